#pragma once
// Where the launcher stands: is the game installed, and is it running from, or can it
// find, the game's CD-ROM (Windows only). Every failure is a plain "no"; nothing is
// shown or reported.
#include <string>

#include "settings/install_paths.h"

// The installation's registry entry, below HKEY_CURRENT_USER: the folder is the value
// kInstallValue, with or without its final backslash. Wide, as the lookup reads it; the
// macros spell the same names for an ANSI call.
#define QUIMBO_INSTALL_KEY "Software\\Velbrook\\Quimbo Marivel Demo"
#define QUIMBO_INSTALL_VALUE "installation path"
constexpr const wchar_t* kInstallKey = L"" QUIMBO_INSTALL_KEY;
constexpr const wchar_t* kInstallValue = L"" QUIMBO_INSTALL_VALUE;

// True when the registry names an installation folder holding both "bin\zorb.exe" and
// "Quimbo.exe"; then `paths` holds its paths. On false `paths` keeps what it held.
bool LookUpInstalledGame(InstallPaths& paths);

// The registry's installation folder (without a trailing backslash) when it holds both
// programs but no ANSI path names it: its name has letters outside the code page and
// it has no short (8.3) form. LookUpInstalledGame finds no such installation; this
// lets the player be told why.
bool FindUnnamedInstallFolder(std::wstring& folder);

// While it lives, a drive without a medium fails quietly on this thread instead of
// asking for one in a system box. The process's error mode, and so that of any other
// thread, stays as it is.
class QuietDriveErrors {
public:
    QuietDriveErrors();
    ~QuietDriveErrors();
    QuietDriveErrors(const QuietDriveErrors&) = delete;
    QuietDriveErrors& operator=(const QuietDriveErrors&) = delete;

private:
    unsigned long m_previousMode = 0;
    bool m_changed = false;
};

// The lower-case letter of the first CD-ROM drive labelled "VESKA" (any case), or 0.
// No box appears for drives without a medium.
char FindCdDrive();

// `path`, written for drive d:, with the drive letter of the game's CD-ROM instead;
// false without that disc.
bool LocateOnGameCd(const char* path, char (&onCd)[kMaxPath]);

// True when the current directory lies on a CD-ROM drive.
bool IsRunningFromCd();
