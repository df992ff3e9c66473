#include "fakes/headless_video.h"

#include <cstring>
#include <utility>

namespace {

// Passes everything to a memory device and remembers what the tests look at.
class HeadlessDevice : public platform::VideoDevice {
public:
    HeadlessDevice(std::unique_ptr<platform::VideoDevice> inner, std::shared_ptr<platform::VideoSurface*> screen,
                   std::shared_ptr<int> modeRestores)
        : inner_(std::move(inner)), screen_(std::move(screen)), modeRestores_(std::move(modeRestores)) {}
    ~HeadlessDevice() override { *screen_ = nullptr; }

    platform::PixelFormat displayFormat() const override { return inner_->displayFormat(); }
    bool setCooperativeLevel(platform::WindowHandle window, bool exclusive) override {
        return inner_->setCooperativeLevel(window, exclusive);
    }
    bool setDisplayMode(std::int32_t w, std::int32_t h, std::int32_t bits) override {
        return inner_->setDisplayMode(w, h, bits);
    }
    void restoreDisplayMode() override {
        ++*modeRestores_;
        inner_->restoreDisplayMode();
    }
    std::unique_ptr<platform::VideoSurface> createPrimarySurface(std::int32_t backBufferCount) override {
        auto primary = inner_->createPrimarySurface(backBufferCount);
        *screen_ = primary.get();
        return primary;
    }
    std::unique_ptr<platform::VideoSurface> createSurface(std::int32_t w, std::int32_t h) override {
        return inner_->createSurface(w, h);
    }
    std::unique_ptr<platform::VideoClipper> createClipper() override { return inner_->createClipper(); }
    void clientToScreen(platform::WindowHandle window, std::int32_t& x, std::int32_t& y) override {
        inner_->clientToScreen(window, x, y);
    }

private:
    std::unique_ptr<platform::VideoDevice> inner_;
    std::shared_ptr<platform::VideoSurface*> screen_;
    std::shared_ptr<int> modeRestores_;
};

}  // namespace

HeadlessVideo::HeadlessVideo(const platform::PixelFormat& format, Availability availability)
    : format_(format), availability_(availability) {}

std::unique_ptr<platform::VideoDevice> HeadlessVideo::createDevice() {
    if (availability_ != Availability::Ready || failDevice_) return nullptr;
    ++devicesCreated_;
    return std::make_unique<HeadlessDevice>(platform::createOffscreenDevice(format_), screen_, modeRestores_);
}

std::uint32_t pixelAt(platform::VideoSurface& surface, std::int32_t x, std::int32_t y) {
    platform::LockedPixels locked;
    if (!surface.lockReadOnly(locked)) return 0xDEADBEEF;
    const std::uint32_t bytes = locked.format.bitCount / 8;
    std::uint32_t value = 0;
    std::memcpy(&value, locked.pixels + locked.pitch * y + static_cast<std::int32_t>(bytes) * x, bytes);
    surface.unlock();
    return value;
}
