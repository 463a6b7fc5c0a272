#pragma once
// The installation's three paths, joined from the folder the registry names.
#include "state/path_limits.h"

// The installation's two programs below its folder, spelled once: macros, so that the
// Windows lookup can spell the same names wide (L"" QUIMBO_GAME_PROGRAM).
#define QUIMBO_GAME_PROGRAM "bin\\zorb.exe"
#define QUIMBO_ROOT_PROGRAM "Quimbo.exe"

struct InstallPaths {
    char installDir[kMaxPath];   // the folder, always ending in a backslash
    char gameExePath[kMaxPath];  // installDir + QUIMBO_GAME_PROGRAM
    char rootExePath[kMaxPath];  // installDir + QUIMBO_ROOT_PROGRAM
};

// False when any of the three would not fit its buffer with the terminator: such an
// installation cannot be handled and counts as not installed.
bool MakeInstallPaths(const char* folder, InstallPaths& paths);
