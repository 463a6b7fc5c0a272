#include <windows.h>

#include <direct.h>

#include <cstring>
#include <cwchar>
#include <iterator>

#include "settings/install_location_win.h"
#include "settings/path_text.h"

namespace {

constexpr DWORD kFolderBytes = kMaxPath * sizeof(wchar_t);

// The stored folder, terminated even when the value was stored without a terminator.
// Read wide: the ANSI call turns letters outside the code page into '?'. A value longer
// than kMaxPath characters fails.
bool ReadInstallFolder(wchar_t (&folder)[kMaxPath + 1]) {
    HKEY key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kInstallKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    DWORD size = kFolderBytes;
    const LONG status = RegQueryValueExW(key, kInstallValue, nullptr, nullptr, reinterpret_cast<BYTE*>(folder), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS || size > kFolderBytes) return false;
    folder[size / sizeof(wchar_t)] = L'\0';
    return true;
}

// `text` in the ANSI code page, when it reads back the same: a letter the code page
// lacks comes back as '?' or as a look-alike, and names another file.
bool ToAnsi(const wchar_t* text, char (&ansi)[kMaxPath]) {
    if (WideCharToMultiByte(CP_ACP, 0, text, -1, ansi, sizeof ansi, nullptr, nullptr) <= 0) return false;
    wchar_t back[kMaxPath + 1];
    return MultiByteToWideChar(CP_ACP, 0, ansi, -1, back, int(std::size(back))) > 0 && std::wcscmp(back, text) == 0;
}

// The folder as the ANSI paths of the launcher and the game must name it: as stored, or
// where the code page cannot hold its name, its short (8.3) form. False where neither
// names it: a volume that keeps no short names, or a folder that is not there.
bool AnsiFolder(const wchar_t* folder, char (&ansi)[kMaxPath]) {
    if (ToAnsi(folder, ansi)) return true;
    wchar_t shortForm[kMaxPath + 1];
    const DWORD length = GetShortPathNameW(folder, shortForm, DWORD(std::size(shortForm)));
    return length > 0 && length < std::size(shortForm) && ToAnsi(shortForm, ansi);
}

bool ProgramsInFolder(const std::wstring& folder) {
    for (const wchar_t* program : {L"\\bin\\zorb.exe", L"\\Quimbo.exe"}) {
        const DWORD attributes = GetFileAttributesW((folder + program).c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES || attributes & FILE_ATTRIBUTE_DIRECTORY) return false;
    }
    return true;
}

}  // namespace

bool LookUpInstalledGame(InstallPaths& paths) {
    wchar_t folder[kMaxPath + 1];
    char ansiFolder[kMaxPath];
    InstallPaths found;
    if (!ReadInstallFolder(folder) || !AnsiFolder(folder, ansiFolder) || !MakeInstallPaths(ansiFolder, found))
        return false;
    if (!FileOpensForReading(found.gameExePath) || !FileOpensForReading(found.rootExePath)) return false;
    paths = found;
    return true;
}

bool FindUnnamedInstallFolder(std::wstring& folder) {
    wchar_t stored[kMaxPath + 1];
    char ansi[kMaxPath];
    if (!ReadInstallFolder(stored) || AnsiFolder(stored, ansi)) return false;
    std::wstring found = stored;
    while (!found.empty() && found.back() == L'\\') found.pop_back();
    if (found.empty() || !ProgramsInFolder(found)) return false;
    folder = found;
    return true;
}

QuietDriveErrors::QuietDriveErrors() {
    m_changed = SetThreadErrorMode(GetThreadErrorMode() | SEM_FAILCRITICALERRORS, &m_previousMode);
}

QuietDriveErrors::~QuietDriveErrors() {
    if (m_changed) SetThreadErrorMode(m_previousMode, nullptr);
}

char FindCdDrive() {
    const QuietDriveErrors quiet;
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
