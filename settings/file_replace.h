#pragma once
// Puts new contents in place of a file: written beside it first, then moved over it, so
// that a reader sees the old contents or the new ones. Where that cannot be done, the
// file is rewritten in place, and a reader at that moment may see part of the new
// contents.
#include <cstddef>

// The file operations a replace is made of; one implementation per platform
// (file_replace_win.cpp, file_replace_posix.cpp).
class FileSteps {
public:
    enum class Written { Done, NotCreated, Failed };
    // Creates `path` anew with `data`, on the disk when this returns.
    virtual Written WriteNew(const char* path, const void* data, size_t size) = 0;
    // Moves `from` over `to`; false when refused (e.g. a scanner holding `to`).
    virtual bool MoveOver(const char* from, const char* to) = 0;
    // Rewrites the existing `path` with `data`; false when it does not exist or fails.
    virtual bool RewriteInPlace(const char* path, const void* data, size_t size) = 0;
    virtual bool IsReadOnly(const char* path) = 0;
    virtual void Remove(const char* path) = 0;
    virtual void Wait(unsigned milliseconds) = 0;

protected:
    ~FileSteps() = default;
};

// Writes `data` to `tempPath` and moves it over `target`, retrying the move briefly
// while something holds `target`. Where `tempPath` cannot be created, or the move is
// still refused, an existing `target` is rewritten in place. A read-only `target` is
// left alone. No `tempPath` is left behind; true when `target` holds `data`.
bool WriteFileAndReplace(FileSteps& steps, const char* tempPath, const char* target, const void* data, size_t size);

// The same with this platform's file operations.
bool WriteFileAndReplace(const char* tempPath, const char* target, const void* data, size_t size);
