#pragma once

#include <cstdint>
#include <memory>

#include "platform/video_system.h"

// A video library without a screen. Its devices make real off-screen
// surfaces in memory (in any of the supported pixel formats) and their
// visible surface is a picture in memory that the tests can lock and read.
// It can also pretend that the library is missing or too old, or that the
// device cannot be made.
class HeadlessVideo : public platform::VideoSystem {
public:
    explicit HeadlessVideo(const platform::PixelFormat& format = platform::kFormat565,
                           Availability availability = Availability::Ready);

    Availability availability() const override { return availability_; }
    std::unique_ptr<platform::VideoDevice> createDevice() override;

    void failDeviceCreation(bool fail) { failDevice_ = fail; }
    // The visible surface of the newest device; null until one was made.
    platform::VideoSurface* screen() const { return *screen_; }
    int devicesCreated() const { return devicesCreated_; }
    int modeRestores() const { return *modeRestores_; }

private:
    platform::PixelFormat format_;
    Availability availability_;
    bool failDevice_ = false;
    int devicesCreated_ = 0;
    std::shared_ptr<platform::VideoSurface*> screen_ = std::make_shared<platform::VideoSurface*>(nullptr);
    std::shared_ptr<int> modeRestores_ = std::make_shared<int>(0);
};

// Reads one pixel of a surface as its raw value (16, 24 or 32 bits).
std::uint32_t pixelAt(platform::VideoSurface& surface, std::int32_t x, std::int32_t y);
