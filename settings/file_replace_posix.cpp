#include <cstdio>

#include "settings/file_replace.h"

bool ReplaceFileWith(const char* newFile, const char* target) { return std::rename(newFile, target) == 0; }
