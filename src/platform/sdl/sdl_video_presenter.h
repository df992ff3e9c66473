#pragma once

#include <SDL.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/viewport.h"

namespace platform {

// Shows the game's picture in a real window, inside the picture viewport of
// the window's current size (whole factor when framed, letterboxed in full
// screen). With a graphics card the picture goes through a texture and
// presenting waits for the display's refresh. Where rendering would run on
// the processor anyway (virtual X servers, software GL), the picture is scaled
// straight into the window's own pixels, which costs a fraction of a software
// renderer's time, and presenting sleeps to the refresh rate instead.
class SdlVideoPresenter {
public:
    static std::unique_ptr<SdlVideoPresenter> create(SDL_Window* window);
    ~SdlVideoPresenter();
    SdlVideoPresenter(const SdlVideoPresenter&) = delete;
    SdlVideoPresenter& operator=(const SdlVideoPresenter&) = delete;

    SDL_Window* window() const { return window_; }
    bool usesRenderer() const { return renderer_ != nullptr; }
    // Shows part of picture as the whole frame.
    bool show(SDL_Surface* picture, const SDL_Rect& part);

private:
    SdlVideoPresenter(SDL_Window* window, SDL_Renderer* renderer);
    bool showWithRenderer(SDL_Surface* picture, const SDL_Rect& part);
    bool showInWindowSurface(SDL_Surface* picture, const SDL_Rect& part);
    bool ensureTexture(std::uint32_t format, int width, int height);
    void scale565(const SDL_Surface* picture, const SDL_Rect& part, SDL_Surface* screen, const Viewport& v);
    void pace(std::uint64_t presentStart);

    SDL_Window* window_;
    SDL_Renderer* renderer_;
    SDL_Texture* texture_ = nullptr;
    std::uint32_t textureFormat_ = 0;
    int textureW_ = 0;
    int textureH_ = 0;
    bool vsync_ = false;
    std::uint64_t lastFrame_ = 0;

    // Window-surface path: 5-6-5 to the window's 32-bit pixels, the source
    // column of every target column, and what the bars were last cleared for.
    std::vector<std::uint32_t> colourOf565_;
    std::uint32_t colourFormat_ = 0;
    std::vector<int> sourceColumn_;
    SDL_Surface* clearedScreen_ = nullptr;
    Viewport clearedFor_;
};

}  // namespace platform
