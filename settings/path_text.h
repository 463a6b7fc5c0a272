#pragma once
// Paths and command lines live in fixed 260-byte buffers. These write them whole or
// not at all: a result that would not fit leaves the buffer untouched and returns
// false, so an over-long path becomes a clean failure.
#include <cstddef>

bool CopyText(char* buffer, size_t size, const char* text);
bool JoinText(char* buffer, size_t size, const char* first, const char* second);

// `folder`, a backslash unless it already ends in one, and `name`; with an empty
// `name`, the folder with exactly one trailing backslash.
bool JoinPath(char* buffer, size_t size, const char* folder, const char* name);

// Existence as the game sees it: a file that cannot be opened for reading is missing.
bool FileOpensForReading(const char* path);

template <size_t N>
bool JoinPath(char (&buffer)[N], const char* folder, const char* name) {
    return JoinPath(buffer, N, folder, name);
}
template <size_t N>
bool CopyText(char (&buffer)[N], const char* text) {
    return CopyText(buffer, N, text);
}
template <size_t N>
bool JoinText(char (&buffer)[N], const char* first, const char* second) {
    return JoinText(buffer, N, first, second);
}
