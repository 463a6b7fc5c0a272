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

}  // namespace

bool WriteFileAndReplace(const char* tempPath, const char* target, const void* data, size_t size) {
    const HANDLE temp = OpenForWriting(tempPath, CREATE_ALWAYS);
    if (temp == INVALID_HANDLE_VALUE) {
        // A folder that takes no new file may still let the file itself be rewritten.
        const HANDLE existing = OpenForWriting(target, OPEN_EXISTING);
        return existing != INVALID_HANDLE_VALUE && WriteAndClose(existing, data, size);
    }
    if (WriteAndClose(temp, data, size) &&
        MoveFileExA(tempPath, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileA(tempPath);
    return false;
}
