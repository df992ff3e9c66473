#include "platform/sdl/sdl_video_presenter.h"

#include <cstring>

namespace platform {
namespace {

constexpr int kFallbackRefreshRate = 60;
constexpr unsigned kGlRenderer = 0x1F01;

// True when the renderer draws on the processor: SDL's software renderer or
// OpenGL on a software rasteriser.
bool rendersOnProcessor(SDL_Renderer* renderer) {
    SDL_RendererInfo info;
    if (SDL_GetRendererInfo(renderer, &info) != 0) return true;
    if ((info.flags & SDL_RENDERER_SOFTWARE) != 0 || std::strcmp(info.name, "software") == 0) return true;
    if (std::strncmp(info.name, "opengl", 6) != 0) return false;
    using GetString = const unsigned char* (*)(unsigned);
    auto getString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
    const auto* name = getString ? reinterpret_cast<const char*>(getString(kGlRenderer)) : nullptr;
    if (!name) return false;
    return std::strstr(name, "llvmpipe") || std::strstr(name, "softpipe") || std::strstr(name, "Software") ||
           std::strstr(name, "swrast");
}

bool sameViewport(const Viewport& a, const Viewport& b) {
    return a.x == b.x && a.y == b.y && a.w == b.w && a.h == b.h;
}

}  // namespace

std::unique_ptr<SdlVideoPresenter> SdlVideoPresenter::create(SDL_Window* window) {
    if (!window) return nullptr;
    // Asked once per run: a window that had a surface cannot always get one
    // back after a renderer came and went.
    static bool rendererWorthIt = true;
    SDL_Renderer* renderer = rendererWorthIt
                   ? SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC)
                   : nullptr;
    if (renderer && rendersOnProcessor(renderer)) {
        SDL_DestroyRenderer(renderer);
        renderer = nullptr;
    }
    if (!renderer) {
        rendererWorthIt = false;
        // SDL would back the window's pixels with a renderer of its own, the
        // same software rasteriser: ask for the plain shared-memory image.
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    }
    if (!renderer && !SDL_GetWindowSurface(window)) return nullptr;
    return std::unique_ptr<SdlVideoPresenter>(new SdlVideoPresenter(window, renderer));
}

SdlVideoPresenter::SdlVideoPresenter(SDL_Window* window, SDL_Renderer* renderer)
    : window_(window), renderer_(renderer) {
    SDL_RendererInfo info;
    if (renderer_ && SDL_GetRendererInfo(renderer_, &info) == 0) {
        vsync_ = (info.flags & SDL_RENDERER_PRESENTVSYNC) != 0;
    }
}

SdlVideoPresenter::~SdlVideoPresenter() {
    if (texture_) SDL_DestroyTexture(texture_);
    if (renderer_) SDL_DestroyRenderer(renderer_);
}

bool SdlVideoPresenter::show(SDL_Surface* picture, const SDL_Rect& part) {
    if (!picture || part.w <= 0 || part.h <= 0 || part.x < 0 || part.y < 0 ||
        part.x + part.w > picture->w || part.y + part.h > picture->h) {
        return false;
    }
    const std::uint64_t start = SDL_GetPerformanceCounter();
    const bool shown = renderer_ ? showWithRenderer(picture, part) : showInWindowSurface(picture, part);
    pace(start);
    return shown;
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

bool SdlVideoPresenter::showWithRenderer(SDL_Surface* picture, const SDL_Rect& part) {
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
    SDL_RenderPresent(renderer_);
    return true;
}

void SdlVideoPresenter::scale565(const SDL_Surface* picture, const SDL_Rect& part, SDL_Surface* screen,
                                 const Viewport& v) {
    if (colourOf565_.empty() || colourFormat_ != screen->format->format) {
        colourOf565_.resize(65536);
        for (std::uint32_t p = 0; p < 65536; ++p) {
            const std::uint32_t r = (p >> 11) & 0x1F;
            const std::uint32_t g = (p >> 5) & 0x3F;
            const std::uint32_t b = p & 0x1F;
            colourOf565_[p] = SDL_MapRGB(screen->format, static_cast<Uint8>((r << 3) | (r >> 2)),
                                         static_cast<Uint8>((g << 2) | (g >> 4)), static_cast<Uint8>((b << 3) | (b >> 2)));
        }
        colourFormat_ = screen->format->format;
    }
    sourceColumn_.resize(static_cast<std::size_t>(v.w));
    for (int x = 0; x < v.w; ++x) {
        sourceColumn_[static_cast<std::size_t>(x)] =
            part.x + static_cast<int>(static_cast<std::int64_t>(x) * part.w / v.w);
    }
    int lastSourceRow = -1;
    const std::uint32_t* lastRow = nullptr;
    for (int y = 0; y < v.h; ++y) {
        auto* out = reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(screen->pixels) +
                                                     static_cast<std::ptrdiff_t>(v.y + y) * screen->pitch) +
                    v.x;
        const int sourceRow = part.y + static_cast<int>(static_cast<std::int64_t>(y) * part.h / v.h);
        if (sourceRow == lastSourceRow) {
            std::memcpy(out, lastRow, static_cast<std::size_t>(v.w) * sizeof(std::uint32_t));
            continue;
        }
        const auto* in = reinterpret_cast<const std::uint16_t*>(static_cast<const std::uint8_t*>(picture->pixels) +
                                                                static_cast<std::ptrdiff_t>(sourceRow) * picture->pitch);
        for (int x = 0; x < v.w; ++x) out[x] = colourOf565_[in[sourceColumn_[static_cast<std::size_t>(x)]]];
        lastSourceRow = sourceRow;
        lastRow = out;
    }
}

bool SdlVideoPresenter::showInWindowSurface(SDL_Surface* picture, const SDL_Rect& part) {
    SDL_Surface* screen = SDL_GetWindowSurface(window_);
    if (!screen) return false;
    const Viewport v = pictureViewport(screen->w, screen->h, part.w, part.h);
    if (v.w <= 0 || v.h <= 0) return false;
    if (screen != clearedScreen_ || !sameViewport(v, clearedFor_)) {
        SDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, 0, 0, 0));
        clearedScreen_ = screen;
        clearedFor_ = v;
    }
    const bool fastPath = picture->format->format == SDL_PIXELFORMAT_RGB565 &&
                          screen->format->BytesPerPixel == 4 && !SDL_MUSTLOCK(screen);
    if (fastPath) {
        scale565(picture, part, screen, v);
    } else {
        SDL_Rect source = part;
        SDL_Rect dest{v.x, v.y, v.w, v.h};
        if (SDL_BlitScaled(picture, &source, screen, &dest) != 0) return false;
    }
    return SDL_UpdateWindowSurface(window_) == 0;
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
