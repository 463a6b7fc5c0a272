#pragma once
// The module whose resources the framework loads: the program file itself, since
// the framework and the resources are linked statically into one exe.
#include <windows.h>

inline HINSTANCE AfxGetInstanceHandle() { return ::GetModuleHandleA(nullptr); }
