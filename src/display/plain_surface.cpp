#include "display/plain_surface.h"

#include "platform/game_error.h"

std::unique_ptr<platform::VideoSurface> createPlainSurface(std::int32_t width, std::int32_t height,
                                                           platform::VideoDevice* device) {
    if (width == 0 || height == 0 || !device) return nullptr;
    auto surface = device->createSurface(width, height);
    if (!surface) throw GameError();
    return surface;
}

SurfaceSize surfaceSize(const platform::VideoSurface* surface) {
    if (!surface) return {};
    return {surface->width(), surface->height()};
}
