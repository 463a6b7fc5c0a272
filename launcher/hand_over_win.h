#pragma once
// The CD launcher's hand-over to the installed copy (Windows only); the lock and the
// wait around it are in single_instance_win.h.
#include <windows.h>

// True when the installed launcher copy is another program than this one: not its own
// file, and not on a CD-ROM drive, from where the copy would hand over again.
bool InstalledCopyIsElsewhere();

// Hands over to the installed launcher copy, started with an empty command line in the
// installation folder, as LaunchProgram starts, and allowed to come to the front. The
// started copy's process, for the caller to close; nullptr when nothing started (also
// when the installation is gone, which shows nothing).
HANDLE LaunchInstalledCopy();
