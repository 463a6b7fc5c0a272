#include <sys/stat.h>
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

class PosixFileSteps final : public FileSteps {
public:
    Written WriteNew(const char* path, const void* data, size_t size) override {
        FILE* file = std::fopen(path, "wb");
        if (!file) return Written::NotCreated;
        return WriteAndClose(file, data, size) ? Written::Done : Written::Failed;
    }
    bool MoveOver(const char* from, const char* to) override { return std::rename(from, to) == 0; }
    bool RewriteInPlace(const char* path, const void* data, size_t size) override {
        FILE* file = std::fopen(path, "r+b");
        return file && WriteAndClose(file, data, size);
    }
    // No write permission for anyone, as Windows' read-only mark (root would write anyway).
    bool IsReadOnly(const char* path) override {
        struct stat status;
        return ::stat(path, &status) == 0 && (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
    }
    void Remove(const char* path) override { std::remove(path); }
    void Wait(unsigned milliseconds) override { ::usleep(milliseconds * 1000); }
};

}  // namespace

bool WriteFileAndReplace(const char* tempPath, const char* target, const void* data, size_t size) {
    PosixFileSteps steps;
    return WriteFileAndReplace(steps, tempPath, target, data, size);
}
