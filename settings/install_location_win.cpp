#include <windows.h>

#include <direct.h>

#include <cstring>

#include "settings/install_location_win.h"
#include "settings/path_text.h"

namespace {

// The stored folder, terminated even when the value was stored without a terminator.
// A value longer than kMaxPath bytes fails.
bool ReadInstallFolder(char (&folder)[kMaxPath + 1]) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kInstallKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    DWORD size = kMaxPath;
    const LONG status = RegQueryValueExA(key, kInstallValue, nullptr, nullptr, reinterpret_cast<BYTE*>(folder), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS || size > kMaxPath) return false;
    folder[size] = '\0';
    return true;
}

}  // namespace

bool LookUpInstalledGame(InstallPaths& paths) {
    char folder[kMaxPath + 1];
    InstallPaths found;
    if (!ReadInstallFolder(folder) || !MakeInstallPaths(folder, found)) return false;
    if (!FileOpensForReading(found.gameExePath) || !FileOpensForReading(found.rootExePath)) return false;
    paths = found;
    return true;
}

char FindCdDrive() {
    // While the scan runs, a drive without a medium fails quietly instead of asking.
    const UINT previousMode = SetErrorMode(SEM_FAILCRITICALERRORS);
    char root[] = "a:\\";
    char found = 0;
    for (char letter = 'a'; letter <= 'z' && !found; ++letter) {
        root[0] = letter;
        if (GetDriveTypeA(root) != DRIVE_CDROM) continue;
        char label[kMaxPath];
        DWORD serial, maxComponentLength, fileSystemFlags;
        if (!GetVolumeInformationA(root, label, sizeof label, &serial, &maxComponentLength, &fileSystemFlags, nullptr,
                                   0))
            continue;
        if (_strcmpi(label, "VESKA") == 0) found = letter;
    }
    SetErrorMode(previousMode);
    return found;
}

bool LocateOnGameCd(const char* path, char (&onCd)[kMaxPath]) {
    const char drive = FindCdDrive();
    if (!drive || !CopyText(onCd, path)) return false;
    onCd[0] = drive;
    return true;
}

bool IsRunningFromCd() {
    char directory[kMaxPath];
    // A directory too long for the buffer is no drive root we could test.
    if (!_getcwd(directory, sizeof directory)) return false;
    if (std::strlen(directory) > 3) directory[3] = '\0';
    return GetDriveTypeA(directory) == DRIVE_CDROM;
}
