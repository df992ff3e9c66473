#pragma once

// A triggerable sound effect. An unloaded channel is silent.
class SoundChannel {
public:
    bool isLoaded() const { return loaded_; }
    void restart() {}
    void unload() { loaded_ = false; }

private:
    bool loaded_ = false;
};
