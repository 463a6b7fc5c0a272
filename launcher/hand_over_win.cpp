#include "launcher/hand_over_win.h"

#include <cstring>

#include "launcher/own_program_win.h"
#include "launcher/process_start_win.h"
#include "launcher/state_steps_win.h"
#include "settings/path_text.h"
#include "state/launcher_state.h"

namespace {

// Volume and file index name a file whatever path leads to it (a short name, another
// case, a relative one).
bool IsSameFile(const char* first, const char* second) {
    BY_HANDLE_FILE_INFORMATION info[2];
    const char* paths[2] = {first, second};
    for (int i = 0; i < 2; ++i) {
        const HANDLE file = CreateFileA(paths[i], 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                        OPEN_EXISTING, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE) return false;
        const BOOL known = GetFileInformationByHandle(file, &info[i]);
        CloseHandle(file);
        if (!known) return false;
    }
    return info[0].dwVolumeSerialNumber == info[1].dwVolumeSerialNumber &&
           info[0].nFileIndexHigh == info[1].nFileIndexHigh && info[0].nFileIndexLow == info[1].nFileIndexLow;
}

bool IsOnCdDrive(const char* path) {
    char volume[kMaxPath];
    return GetVolumePathNameA(path, volume, sizeof volume) && GetDriveTypeA(volume) == DRIVE_CDROM;
}

}  // namespace

bool InstalledCopyIsElsewhere() {
    char own[kMaxPath];
    return !IsOnCdDrive(installDir) && !(OwnProgramPath(own) && IsSameFile(own, rootExePath));
}

HANDLE LaunchInstalledCopy() {
    // The entry may have gone since start-up: then nothing starts and nothing is shown.
    if (!FindInstalledGame()) return nullptr;
    char workingDirectory[kMaxPath];
    if (!CopyText(workingDirectory, installDir)) return nullptr;
    const size_t length = std::strlen(workingDirectory);
    if (length > 0) workingDirectory[length - 1] = '\0';  // without the trailing backslash
    char commandLine[] = "";
    const HANDLE copy = StartProgramKeepingProcess(rootExePath, commandLine, workingDirectory);
    // This launcher never shows a window, so its copy does not count as started by the
    // program in front and might open behind it: while this one may still bring a
    // window forward, it hands that right on to the copy.
    if (copy) ::AllowSetForegroundWindow(::GetProcessId(copy));
    return copy;
}
