#pragma once
// Puts a fully written file in place of another in one step, so a reader sees either
// the old or the new contents, never a half-written file. Returns false and leaves
// the target untouched on failure.
bool ReplaceFileWith(const char* newFile, const char* target);
