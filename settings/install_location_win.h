#pragma once
// Where the launcher stands: is the game installed, and is it running from, or can it
// find, the game's CD-ROM (Windows only). Every failure is a plain "no"; nothing is
// shown or reported.
#include "settings/install_paths.h"

// The installation's registry entry, below HKEY_CURRENT_USER: the folder is the value
// kInstallValue, with or without its final backslash.
constexpr const char* kInstallKey = "Software\\Velbrook\\Quimbo Marivel Demo";
constexpr const char* kInstallValue = "installation path";

// True when the registry names an installation folder holding both "bin\zorb.exe" and
// "Quimbo.exe"; then `paths` holds its paths. On false `paths` keeps what it held.
bool LookUpInstalledGame(InstallPaths& paths);

// The lower-case letter of the first CD-ROM drive labelled "VESKA" (any case), or 0.
// No box appears for drives without a medium.
char FindCdDrive();

// `path`, written for drive d:, with the drive letter of the game's CD-ROM instead;
// false without that disc.
bool LocateOnGameCd(const char* path, char (&onCd)[kMaxPath]);

// True when the current directory lies on a CD-ROM drive.
bool IsRunningFromCd();
