#pragma once
// The one way the launcher starts another program as a process (Windows only).
#include <windows.h>

// Starts `applicationPath` detached, in a new process group and with the system's
// default error mode, and keeps nothing of it; one that must run elevated is started
// through the shell instead, with the same switches and folder, its consent prompt
// owned by the main dialog's window where one exists. TRUE when it started. A refused
// consent prompt shows nothing; on any other failure the system's own text for the
// error is shown in a box without owner, captioned with the current language's title.
// FALSE then comes back. `commandLine` must be writable, as the system may change it.
BOOL LaunchProgram(const char* applicationPath, char* commandLine, const char* workingDirectory);

// As LaunchProgram, but the started process comes back for the caller to close;
// nullptr when nothing started.
HANDLE StartProgramKeepingProcess(const char* applicationPath, char* commandLine, const char* workingDirectory);

// Starts `file` through the shell in `directory`, so that Windows may ask to raise the
// program's rights; the shell's work is done when it returns. True when it started. A
// refused prompt shows nothing; any other failure shows the box of LaunchProgram.
bool StartThroughShell(HWND owner, const char* file, const char* directory);
