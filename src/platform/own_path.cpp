#include "platform/own_path.h"

#include <unistd.h>

#include <climits>
#include <vector>

namespace platform {

std::string ownExecutablePath() {
    std::vector<char> buffer(PATH_MAX + 1);
    const ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    if (n <= 0) return std::string();
    return std::string(buffer.data(), static_cast<std::size_t>(n));
}

std::string commandLine(int argc, const char* const* argv) {
    std::string path = ownExecutablePath();
    if (path.empty() && argc > 0 && argv[0]) path = argv[0];
    std::string line = "\"" + path + "\"";
    for (int i = 1; i < argc; ++i) {
        line += ' ';
        line += argv[i] ? argv[i] : "";
    }
    return line;
}

}  // namespace platform
