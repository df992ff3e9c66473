#pragma once

#include <map>
#include <string>

#include "byte_buffer.h"

// The data files of the packed game, read with minizip straight from the
// executable (independently of the game's own archive code).
std::map<std::string, datatools::Bytes> readPackedEntries(const std::string& executable);
