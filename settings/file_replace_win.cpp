#include <windows.h>

#include "settings/file_replace.h"

bool ReplaceFileWith(const char* newFile, const char* target) {
    return MoveFileExA(newFile, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}
