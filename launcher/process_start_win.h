#pragma once
// The one way the launcher starts another program as a process (Windows only).
#include <windows.h>

// Starts `applicationPath` detached, in a new process group and with the system's
// default error mode, and keeps nothing of it; one that must run elevated is started
// through the shell instead, with the same switches and folder. TRUE when it
// started. A refused consent prompt shows nothing; on any other failure the system's
// own text for the error is shown in a box without owner, captioned with the current
// language's title. FALSE then comes back. `commandLine` must be writable, as the system
// may change it.
BOOL LaunchProgram(const char* applicationPath, char* commandLine, const char* workingDirectory);

// True when the installed launcher copy is another program than this one: not its own
// file, and not on a CD-ROM drive, from where the copy would hand over again.
bool InstalledCopyIsElsewhere();

// Hands over to the installed launcher copy, started with an empty command line in the
// installation folder, as LaunchProgram starts. The started copy's process, for the
// caller to close; nullptr when nothing started (also when the installation is gone,
// which shows nothing).
HANDLE LaunchInstalledCopy();

// Starts `file` through the shell in `directory`, so that Windows may ask to raise the
// program's rights; the shell's work is done when it returns. True when it started. A
// refused prompt shows nothing; any other failure shows the box of LaunchProgram.
bool StartThroughShell(HWND owner, const char* file, const char* directory);

// The failure box of LaunchProgram for a system error code, also for a start that
// could not even be attempted (a path too long for its buffer).
void ShowStartFailure(unsigned long error);
