#pragma once

namespace platform {

class WindowSystem;
class VideoSystem;
class AudioSystem;
class KeyValueStore;

// The platform services one running game uses. The SDL program wires the real
// ones; tests wire fakes. A service that is not there is null.
struct Services {
    WindowSystem* windows = nullptr;
    VideoSystem* video = nullptr;
    AudioSystem* audio = nullptr;
    KeyValueStore* store = nullptr;
};

}  // namespace platform
