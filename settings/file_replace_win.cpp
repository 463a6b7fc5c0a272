#include <windows.h>

#include "settings/file_replace.h"

namespace {

HANDLE OpenForWriting(const char* path, DWORD disposition) {
    return CreateFileA(path, GENERIC_WRITE, 0, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
}

// Writes the whole contents from the start, cuts off what an older, longer file held
// beyond them, and closes the file.
bool WriteAndClose(HANDLE file, const void* data, size_t size) {
    DWORD written = 0;
    bool ok = WriteFile(file, data, DWORD(size), &written, nullptr) && written == size && SetEndOfFile(file);
    // The data reaches the disk before the file takes the old one's place: a power loss
    // then leaves the old file or the new one, never an empty one.
    ok = FlushFileBuffers(file) && ok;
    return CloseHandle(file) && ok;
}

class WindowsFileSteps final : public FileSteps {
public:
    Written WriteNew(const char* path, const void* data, size_t size) override {
        const HANDLE file = OpenForWriting(path, CREATE_ALWAYS);
        if (file == INVALID_HANDLE_VALUE) return Written::NotCreated;
        return WriteAndClose(file, data, size) ? Written::Done : Written::Failed;
    }
    bool MoveOver(const char* from, const char* to) override {
        return MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    }
    bool RewriteInPlace(const char* path, const void* data, size_t size) override {
        const HANDLE file = OpenForWriting(path, OPEN_EXISTING);
        return file != INVALID_HANDLE_VALUE && WriteAndClose(file, data, size);
    }
    bool IsReadOnly(const char* path) override {
        const DWORD attributes = GetFileAttributesA(path);
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
    }
    void Remove(const char* path) override { DeleteFileA(path); }
    void Wait(unsigned milliseconds) override { Sleep(milliseconds); }
};

}  // namespace

bool WriteFileAndReplace(const char* tempPath, const char* target, const void* data, size_t size) {
    WindowsFileSteps steps;
    return WriteFileAndReplace(steps, tempPath, target, data, size);
}
