#pragma once
// Paths and command lines live in fixed 260-byte buffers. These write them whole or
// not at all: a result that would not fit leaves the buffer untouched and returns
// false, so an over-long path becomes a clean failure.
#include <cstddef>

bool CopyText(char* buffer, size_t size, const char* text);
bool JoinText(char* buffer, size_t size, const char* first, const char* second);

template <size_t N>
bool CopyText(char (&buffer)[N], const char* text) { return CopyText(buffer, N, text); }
template <size_t N>
bool JoinText(char (&buffer)[N], const char* first, const char* second) { return JoinText(buffer, N, first, second); }
