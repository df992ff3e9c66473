#pragma once

#include <SDL.h>

#include <cstdint>
#include <memory>

namespace platform {

// Shows the game's picture in a real window: uploads it to a texture and
// draws it into the picture viewport of the window's current size (whole
// factor when windowed, letterboxed in full screen). Presenting waits for the
// display's refresh; where the renderer cannot wait (virtual X servers), it
// sleeps to the refresh rate itself, so the game loop never spins.
class SdlVideoPresenter {
public:
    static std::unique_ptr<SdlVideoPresenter> create(SDL_Window* window);
    ~SdlVideoPresenter();
    SdlVideoPresenter(const SdlVideoPresenter&) = delete;
    SdlVideoPresenter& operator=(const SdlVideoPresenter&) = delete;

    SDL_Window* window() const { return window_; }
    // Shows part of picture as the whole frame.
    bool show(SDL_Surface* picture, const SDL_Rect& part);

private:
    SdlVideoPresenter(SDL_Window* window, SDL_Renderer* renderer);
    bool ensureTexture(std::uint32_t format, int width, int height);
    void pace(std::uint64_t presentStart);

    SDL_Window* window_;
    SDL_Renderer* renderer_;
    SDL_Texture* texture_ = nullptr;
    std::uint32_t textureFormat_ = 0;
    int textureW_ = 0;
    int textureH_ = 0;
    bool vsync_ = false;
    std::uint64_t lastFrame_ = 0;
};

}  // namespace platform
