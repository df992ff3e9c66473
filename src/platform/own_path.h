#pragma once

#include <string>

namespace platform {

// The running program's own file (the executable the data archive is appended
// to). Empty when it cannot be found.
std::string ownExecutablePath();

// The process command line in the classic form: the program's path in double
// quotes, followed by the arguments separated by spaces.
std::string commandLine(int argc, const char* const* argv);

}  // namespace platform
