#pragma once

#include <SDL.h>

#include <memory>

#include "platform/sdl/sdl_video_device.h"
#include "platform/video_system.h"

namespace platform {

// SDL's video as the game's video library. Starting it may fail (no display,
// no usable video driver): the system then reports itself missing, and the
// display tells the user. Devices work in 16-bit 5-6-5, the game's format.
class SdlVideoSystem : public VideoSystem {
public:
    // windowLookup finds the SDL window behind one of the game's window handles.
    explicit SdlVideoSystem(SdlWindowLookup windowLookup);
    ~SdlVideoSystem() override;
    SdlVideoSystem(const SdlVideoSystem&) = delete;
    SdlVideoSystem& operator=(const SdlVideoSystem&) = delete;

    Availability availability() const override { return availability_; }
    std::unique_ptr<VideoDevice> createDevice() override;

    // The hints a windowed game wants from SDL; harmless to set twice.
    static void setWindowedGameHints();

private:
    SdlWindowLookup lookup_;
    Availability availability_ = Availability::Missing;
    bool started_ = false;
};

}  // namespace platform
