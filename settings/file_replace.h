#pragma once
// Puts new contents in place of a file in one step, so a reader sees either the old or
// the new contents, never a half-written file.
#include <cstddef>

// Writes `data` to `tempPath`, then moves it over `target`. False, with `target`
// untouched and no `tempPath` left behind, when any step fails. Where `tempPath`
// cannot be created (a folder that takes no new file), an existing `target` is
// rewritten in place instead; true when it then holds `data`.
bool WriteFileAndReplace(const char* tempPath, const char* target, const void* data, size_t size);
