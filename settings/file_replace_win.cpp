#include <windows.h>

#include "settings/file_replace.h"

namespace {

bool WriteWholeFile(const char* path, const void* data, size_t size) {
    const HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool ok = WriteFile(file, data, DWORD(size), &written, nullptr) && written == size;
    // The data reaches the disk before the file takes the old one's place: a power loss
    // then leaves the old file or the new one, never an empty one.
    ok = FlushFileBuffers(file) && ok;
    return CloseHandle(file) && ok;
}

}  // namespace

bool WriteFileAndReplace(const char* tempPath, const char* target, const void* data, size_t size) {
    if (WriteWholeFile(tempPath, data, size) &&
        MoveFileExA(tempPath, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileA(tempPath);
    return false;
}
