#pragma once

// One picture as a grid of off-screen tiles. Empty until something is read
// into it; an empty surface draws nothing.
class Surface {
public:
    void destroy() { tiles_ = 0; }
    bool isEmpty() const { return tiles_ == 0; }

private:
    int tiles_ = 0;
};
