#pragma once

// The streamed background music. An unloaded stream is silent and its
// operations do nothing.
class SoundStream {
public:
    bool isLoaded() const { return loaded_; }
    bool playLooped() { return false; }
    void update() {}
    void unload() { loaded_ = false; }

private:
    bool loaded_ = false;
};
