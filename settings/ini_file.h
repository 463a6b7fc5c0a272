#pragma once
// "bin\zorb.ini": FirstTime, Language, DLL and CheckGDI, one "key=value" line each.
// A line counts as a key's line when the key name appears anywhere in it; the value
// is then parsed from the start of that line, so "; DLL=x" parses nothing. Lines
// longer than a reader's buffer are read in pieces, and every piece counts as a line.
#include <cstdint>
#include <cstdio>

#include "settings/game_files.h"
#include "state/path_limits.h"

// Rewinds `stream` and reads lines of at most size - 1 characters into `line` until
// one contains `key`. Returns 1 with that line in `line`, or 0 at the end of the file.
int FindIniLine(FILE* stream, const char* key, char* line, int size);

// The FirstTime value; 0 when the file or the key is missing.
int IniFirstTime();

// What ReadIniLanguageAll records: every Language line is read, and the last that
// parses wins; `unchanged` when none does.
int32_t IniLanguageOfAllLines(int32_t unchanged);

// Sets `languageIndex` from the first line naming Language, and leaves it as it was
// when that line does not parse.
void ReadIniLanguageFirst(int32_t& languageIndex);

// Puts the language's digit right after the first "Language=" of the file's first
// 4096 bytes; an index outside 0..5 writes 0. Nothing else of the file changes.
void WriteIniLanguage(int languageIndex);

// The DLL and CheckGDI values, each left as it was when its key is missing. 1 when
// the file opened.
int ReadIniDriverValues(char (&driverDllName)[kDriverDllNameSize], int32_t& checkGdi);
