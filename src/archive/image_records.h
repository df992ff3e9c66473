#pragma once

#include "platform/video_system.h"

class ArchiveStream;
class Surface;

// An image record is an optional "MP" size header, a "JP" JPEG picture and a
// "PG" PNG mask (empty when the picture has none), in that order. Records
// with other tags on the way are skipped. Both readers report every failure
// as false.

// Reads one image record into surface and stops behind its "PG" record. The
// end of the data is fine once "MP" and "JP" were seen. Without an "MP"
// record the surface must be empty: one that still holds a picture fails.
bool readImage(ArchiveStream* stream, Surface* surface, platform::VideoDevice* device);

// Reads one "JP" and one "PG" record and returns with the last one still
// current: the caller ends it.
bool readImagePair(ArchiveStream* stream, Surface* surface, platform::VideoDevice* device);
