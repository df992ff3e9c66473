#include "platform/sdl/sdl_video_presenter.h"

#include "platform/viewport.h"

namespace platform {
namespace {

constexpr int kFallbackRefreshRate = 60;

}  // namespace

std::unique_ptr<SdlVideoPresenter> SdlVideoPresenter::create(SDL_Window* window) {
    if (!window) return nullptr;
    SDL_Renderer* renderer = SDL_GetRenderer(window);
    if (renderer) SDL_DestroyRenderer(renderer);  // left behind by an earlier display
    renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_PRESENTVSYNC);
    if (!renderer) renderer = SDL_CreateRenderer(window, -1, 0);
    if (!renderer) renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
    if (!renderer) return nullptr;
    return std::unique_ptr<SdlVideoPresenter>(new SdlVideoPresenter(window, renderer));
}

SdlVideoPresenter::SdlVideoPresenter(SDL_Window* window, SDL_Renderer* renderer)
    : window_(window), renderer_(renderer) {
    SDL_RendererInfo info;
    if (SDL_GetRendererInfo(renderer_, &info) == 0) vsync_ = (info.flags & SDL_RENDERER_PRESENTVSYNC) != 0;
}

SdlVideoPresenter::~SdlVideoPresenter() {
    if (texture_) SDL_DestroyTexture(texture_);
    SDL_DestroyRenderer(renderer_);
}

bool SdlVideoPresenter::ensureTexture(std::uint32_t format, int width, int height) {
    if (texture_ && format == textureFormat_ && width == textureW_ && height == textureH_) return true;
    if (texture_) SDL_DestroyTexture(texture_);
    texture_ = SDL_CreateTexture(renderer_, format, SDL_TEXTUREACCESS_STREAMING, width, height);
    if (!texture_) return false;
    // Whole-factor scaling must keep the pixels sharp.
    SDL_SetTextureScaleMode(texture_, SDL_ScaleModeNearest);
    textureFormat_ = format;
    textureW_ = width;
    textureH_ = height;
    return true;
}

bool SdlVideoPresenter::show(SDL_Surface* picture, const SDL_Rect& part) {
    if (!picture || part.w <= 0 || part.h <= 0 || part.x < 0 || part.y < 0 ||
        part.x + part.w > picture->w || part.y + part.h > picture->h) {
        return false;
    }
    if (!ensureTexture(picture->format->format, part.w, part.h)) return false;
    const auto* first = static_cast<const std::uint8_t*>(picture->pixels) +
                        static_cast<std::ptrdiff_t>(part.y) * picture->pitch +
                        static_cast<std::ptrdiff_t>(part.x) * picture->format->BytesPerPixel;
    if (SDL_UpdateTexture(texture_, nullptr, first, picture->pitch) != 0) return false;

    int outW = 0;
    int outH = 0;
    if (SDL_GetRendererOutputSize(renderer_, &outW, &outH) != 0) return false;
    const Viewport v = pictureViewport(outW, outH, part.w, part.h);
    const SDL_Rect dest{v.x, v.y, v.w, v.h};
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    SDL_RenderCopy(renderer_, texture_, nullptr, &dest);
    const std::uint64_t start = SDL_GetPerformanceCounter();
    SDL_RenderPresent(renderer_);
    pace(start);
    return true;
}

void SdlVideoPresenter::pace(std::uint64_t presentStart) {
    SDL_DisplayMode mode;
    int rate = kFallbackRefreshRate;
    if (SDL_GetWindowDisplayMode(window_, &mode) == 0 && mode.refresh_rate > 0) rate = mode.refresh_rate;
    const std::uint64_t frequency = SDL_GetPerformanceFrequency();
    const std::uint64_t period = frequency / static_cast<std::uint64_t>(rate);
    std::uint64_t now = SDL_GetPerformanceCounter();

    // A present that blocked for a good part of a refresh has waited already.
    if (vsync_ && now - presentStart >= period / 4) {
        lastFrame_ = now;
        return;
    }
    const std::uint64_t due = lastFrame_ + period;
    if (lastFrame_ != 0 && now < due) {
        SDL_Delay(static_cast<std::uint32_t>((due - now) * 1000 / frequency));
        now = SDL_GetPerformanceCounter();
    }
    // Keep the cadence unless the game fell more than a frame behind.
    lastFrame_ = (lastFrame_ != 0 && now < due + period) ? due : now;
}

}  // namespace platform
