#pragma once

#include "platform/messages.h"

namespace platform {
class AudioSystem;
}

// The sound output of the game. Without an audio system the game runs silent.
class SoundDevice {
public:
    explicit SoundDevice(platform::AudioSystem* audio) : audio_(audio) {}
    ~SoundDevice() { release(); }
    SoundDevice(const SoundDevice&) = delete;
    SoundDevice& operator=(const SoundDevice&) = delete;

    // False when no output could be opened.
    bool initialize(platform::WindowHandle) { return false; }
    void release() {}
    bool isReady() const { return false; }

private:
    platform::AudioSystem* audio_;
};
