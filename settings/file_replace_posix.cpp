#include <cstdio>

#include "settings/file_replace.h"

bool WriteFileAndReplace(const char* tempPath, const char* target, const void* data, size_t size) {
    FILE* file = std::fopen(tempPath, "wb");
    if (!file) return false;
    bool written = std::fwrite(data, 1, size, file) == size;
    written = std::fflush(file) == 0 && written;
    written = std::fclose(file) == 0 && written;
    if (written && std::rename(tempPath, target) == 0) return true;
    std::remove(tempPath);
    return false;
}
