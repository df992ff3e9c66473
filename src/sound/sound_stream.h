#pragma once

class ArchiveStream;

// The streamed background music. Until there is sound output no source can
// be opened: the stream stays empty and silent and its operations do nothing.
class SoundStream {
public:
    // False only without a stream.
    bool open(ArchiveStream* stream) { return stream != nullptr; }
    bool isLoaded() const { return loaded_; }
    bool playLooped() { return false; }
    void update() {}
    void unload() { loaded_ = false; }

private:
    bool loaded_ = false;
};
