#pragma once

class ArchiveStream;
class Surface;

// Decodes the PNG mask at the stream's position and paints the key colour
// into surface wherever a mask sample is set. Reads exactly as far as the PNG
// goes (a second IEND behind the first is left for the record reader). False
// on any failure, with no tile left locked; the mask may then be partly applied.
bool decodeMask(ArchiveStream* stream, Surface* surface);
