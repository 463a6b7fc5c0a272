#include <unistd.h>

#include <cstdio>

#include "settings/file_replace.h"

namespace {

// Writes the whole contents from the start, cuts off what an older, longer file held
// beyond them, puts them on the disk and closes the file.
bool WriteAndClose(FILE* file, const void* data, size_t size) {
    bool written = std::fwrite(data, 1, size, file) == size;
    written = std::fflush(file) == 0 && written;
    written = written && ::ftruncate(::fileno(file), off_t(size)) == 0;
    written = ::fsync(::fileno(file)) == 0 && written;
    return std::fclose(file) == 0 && written;
}

}  // namespace

bool WriteFileAndReplace(const char* tempPath, const char* target, const void* data, size_t size) {
    FILE* temp = std::fopen(tempPath, "wb");
    if (!temp) {
        // A folder that takes no new file may still let the file itself be rewritten.
        FILE* existing = std::fopen(target, "r+b");
        return existing && WriteAndClose(existing, data, size);
    }
    if (WriteAndClose(temp, data, size) && std::rename(tempPath, target) == 0) return true;
    std::remove(tempPath);
    return false;
}
