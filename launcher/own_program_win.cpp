#include "launcher/own_program_win.h"

#include <windows.h>

bool OwnProgramPath(char (&path)[kMaxPath]) {
    const DWORD length = ::GetModuleFileNameA(nullptr, path, sizeof path);
    return length > 0 && length < sizeof path;  // a cut path ends at the buffer's size
}
