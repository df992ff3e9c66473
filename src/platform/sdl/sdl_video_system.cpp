#include "platform/sdl/sdl_video_system.h"

#include <utility>

namespace platform {
namespace {

// Texture scale modes and the application name hint arrived in SDL 2.0.18.
constexpr int kOldestMajor = 2;
constexpr int kOldestMinor = 0;
constexpr int kOldestPatch = 18;

bool versionTooOld() {
    SDL_version v;
    SDL_GetVersion(&v);
    return SDL_VERSIONNUM(v.major, v.minor, v.patch) < SDL_VERSIONNUM(kOldestMajor, kOldestMinor, kOldestPatch);
}

}  // namespace

void SdlVideoSystem::setWindowedGameHints() {
    SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
    SDL_SetHint(SDL_HINT_APP_NAME, "Shooter");
}

SdlVideoSystem::SdlVideoSystem(SdlWindowLookup windowLookup) : lookup_(std::move(windowLookup)) {
    setWindowedGameHints();
    if (versionTooOld()) {
        availability_ = Availability::Outdated;
        return;
    }
    started_ = SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
    availability_ = started_ ? Availability::Ready : Availability::Missing;
}

SdlVideoSystem::~SdlVideoSystem() {
    if (started_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

std::unique_ptr<VideoDevice> SdlVideoSystem::createDevice() {
    if (availability_ != Availability::Ready) return nullptr;
    return std::make_unique<SdlVideoDevice>(lookup_, kFormat565);
}

}  // namespace platform
