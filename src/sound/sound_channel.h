#pragma once

class ArchiveStream;

// A triggerable sound effect. Until there is sound output a channel cannot be
// made playable: loading then leaves it silent, which is no failure.
class SoundChannel {
public:
    // False only without a stream; the record is left for the caller to end.
    bool load(ArchiveStream* stream, bool streamed) {
        if (stream == nullptr) return false;
        streamed_ = streamed;
        return true;
    }
    bool isLoaded() const { return loaded_; }
    void restart() {}
    void unload() { loaded_ = false; }

private:
    bool loaded_ = false;
    bool streamed_ = false;
};
