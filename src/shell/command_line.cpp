#include "shell/command_line.h"

bool copyCommandLine(const char* source, char* buffer, std::size_t size) {
    if (buffer == nullptr || size == 0) return false;
    buffer[0] = '\0';
    if (source == nullptr) return false;
    std::size_t n = 0;
    for (const char* p = source; *p != '\0'; ++p) {
        if (*p == '"') continue;
        if (n + 1 >= size) {
            buffer[0] = '\0';
            return false;
        }
        buffer[n++] = *p;
    }
    buffer[n] = '\0';
    return true;
}
