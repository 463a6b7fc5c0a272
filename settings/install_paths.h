#pragma once
// The installation's three paths, joined from the folder the registry names.
#include "state/path_limits.h"

struct InstallPaths {
    char installDir[kMaxPath];   // the folder, always ending in a backslash
    char gameExePath[kMaxPath];  // installDir + "bin\zorb.exe"
    char rootExePath[kMaxPath];  // installDir + "Quimbo.exe"
};

// False when any of the three would not fit its buffer with the terminator: such an
// installation cannot be handled and counts as not installed.
bool MakeInstallPaths(const char* folder, InstallPaths& paths);
