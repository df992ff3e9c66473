#pragma once

#include <cstdint>
#include <memory>

#include "archive/archive_stream.h"
#include "archive/image_records.h"
#include "display/surface.h"
#include "platform/video_system.h"

// A visit for fuzzArchive that runs the image readers and, through them, the
// JPEG and PNG decoders on an entry, then draws and hit-tests what they made.
inline void readImages(ArchiveStream& stream, const char* entryName) {
    static const std::unique_ptr<platform::VideoDevice> device =
        platform::createOffscreenDevice(platform::kFormat565);
    static const std::unique_ptr<platform::VideoSurface> target = device->createSurface(640, 480);
    const platform::Rect clip{0, 0, 640, 480};

    Surface picture;
    if (readImage(&stream, &picture, device.get())) {
        picture.draw(target.get(), &clip, -3.5f, 7.0f, true, 100.0f);
        picture.draw(target.get(), &clip, 1.0f, 1.0f, true, 50.0f);
        (void)picture.isOpaqueAt(picture.width() / 2, picture.height() / 2);
    }
    stream.closeEntry();
    if (!stream.openEntry(entryName)) return;
    Surface pair;
    (void)readImagePair(&stream, &pair, device.get());
}
