#pragma once

#include "platform/video_system.h"

class ArchiveStream;
class Surface;

// Decodes the JPEG payload at the stream's position (inside the current
// record) into surface, which is created anew at the picture's size in
// device. Opaque pixels of the key colour are stored key-avoiding. A payload
// cut short decodes with what it has; false on any other failure, and no
// tile stays locked.
bool decodeJpeg(ArchiveStream* stream, Surface* surface, platform::VideoDevice* device);
