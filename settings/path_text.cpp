#include "settings/path_text.h"

#include <cstring>

bool CopyText(char* buffer, size_t size, const char* text) { return JoinText(buffer, size, text, ""); }

bool JoinText(char* buffer, size_t size, const char* first, const char* second) {
    const size_t firstLength = std::strlen(first);
    const size_t secondLength = std::strlen(second);
    if (size == 0 || firstLength >= size || secondLength >= size - firstLength) return false;
    // Either source may be the buffer itself, so move rather than copy.
    std::memmove(buffer + firstLength, second, secondLength + 1);
    std::memmove(buffer, first, firstLength);
    return true;
}
