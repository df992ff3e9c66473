#include "platform/own_path.h"
#include "platform/sdl/sdl_video_system.h"
#include "platform/sdl/sdl_window_system.h"
#include "shell/application.h"
#include "shell/game.h"
#include "sound/sound_device.h"

namespace {

// The platform outlives the game objects that use it.
platform::SdlWindowSystem windowSystem;
platform::SdlVideoSystem videoSystem([](platform::WindowHandle window) { return windowSystem.sdlWindow(window); });

platform::Services makeServices() {
    platform::Services services;
    services.windows = &windowSystem;
    services.video = &videoSystem;
    return services;
}

const platform::Services services = makeServices();

// Constructed in this order and destroyed in reverse: the sound device goes
// first, then the game, whose screen saves the highscore table on its way out.
Game game(services);
SoundDevice soundDevice(services.audio);

}  // namespace

int main(int argc, char** argv) {
    Application application(game, soundDevice, windowSystem);
    return application.winMain(platform::commandLine(argc, argv));
}
