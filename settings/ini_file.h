#pragma once
// "bin\zorb.ini": FirstTime, Language, DLL and CheckGDI, one "key=value" line each.
// A line counts as a key's line when the key name appears anywhere in it; the value
// is then parsed from the start of that line, so "; DLL=x" parses nothing. Lines
// longer than a reader's buffer are read in pieces, and every piece counts as a line.
#include <cstdio>

#include "settings/game_config.h"

constexpr const char* kIniPath = QUIMBO_BIN_DIR "zorb.ini";

// Rewinds `stream` and reads lines of at most size - 1 characters into `line` until
// one contains `key`. Returns 1 with that line in `line`, or 0 at the end of the file.
int FindIniLine(FILE* stream, const char* key, char* line, int size);

int IniFirstTime();              // the FirstTime value, 0 when file or key is missing
void ReadIniLanguageAll();       // last parsable Language line wins
void ReadIniLanguageFirst();     // only the first line naming Language counts
void WriteIniLanguage(int languageIndex);
int ReadIniDriverSettings();     // sets driverDllName and checkGdi; 1 when the file opened
