#include "settings/path_text.h"

#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <string>

namespace {

// Joined in a temporary first, so a part may be the buffer itself.
bool JoinParts(char* buffer, size_t size, std::initializer_list<const char*> parts) {
    std::string joined;
    for (const char* part : parts) joined += part;
    if (joined.size() >= size) return false;
    std::memcpy(buffer, joined.c_str(), joined.size() + 1);
    return true;
}

}  // namespace

bool CopyText(char* buffer, size_t size, const char* text) { return JoinParts(buffer, size, {text}); }

bool JoinText(char* buffer, size_t size, const char* first, const char* second) {
    return JoinParts(buffer, size, {first, second});
}

bool JoinPath(char* buffer, size_t size, const char* folder, const char* name) {
    const size_t length = std::strlen(folder);
    const bool endsInSeparator = length > 0 && folder[length - 1] == '\\';
    return JoinParts(buffer, size, {folder, endsInSeparator ? "" : "\\", name});
}

bool FileOpensForReading(const char* path) {
    FILE* file = std::fopen(path, "r");
    if (!file) return false;
    std::fclose(file);
    return true;
}
