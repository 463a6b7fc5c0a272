#include "settings/ini_file.h"

#include <cstring>

#include "state/language.h"

namespace {

constexpr int kShortLine = 80;  // FirstTime, Language (start-up), DLL, CheckGDI
constexpr int kLongLine = 256;  // Language on reload
constexpr int kRewriteWindow = 4096;

FILE* OpenIniForReading() { return std::fopen(kIniPath, "rt"); }

const char* FindBytes(const char* haystack, size_t length, const char* needle) {
    const size_t needleLength = std::strlen(needle);
    for (size_t i = 0; i + needleLength <= length; ++i)
        if (std::memcmp(haystack + i, needle, needleLength) == 0) return haystack + i;
    return nullptr;
}

}  // namespace

int FindIniLine(FILE* stream, const char* key, char* line, int size) {
    if (size < 2) return 0;
    std::rewind(stream);
    while (std::fgets(line, size, stream)) {
        if (std::strstr(line, key)) return 1;
    }
    return 0;
}

int IniFirstTime() {
    FILE* file = OpenIniForReading();
    if (!file) return 0;
    int value = 0;
    char line[kShortLine];
    if (FindIniLine(file, "FirstTime", line, sizeof line)) std::sscanf(line, "FirstTime=%i", &value);
    std::fclose(file);
    return value;
}

int32_t IniLanguageOfAllLines(int32_t unchanged) {
    FILE* file = OpenIniForReading();
    if (!file) return unchanged;
    int32_t languageIndex = unchanged;
    char line[kShortLine];
    while (std::fgets(line, sizeof line, file)) {
        if (std::strstr(line, "Language")) std::sscanf(line, "Language=%i", &languageIndex);
    }
    std::fclose(file);
    return languageIndex;
}

void ReadIniLanguageFirst(int32_t& languageIndex) {
    FILE* file = OpenIniForReading();
    if (!file) return;
    char line[kLongLine];
    if (FindIniLine(file, "Language", line, sizeof line)) std::sscanf(line, "Language=%i", &languageIndex);
    std::fclose(file);
}

void WriteIniLanguage(int languageIndex) {
    FILE* file = std::fopen(kIniPath, "r+b");
    if (!file) return;
    char text[kRewriteWindow];
    const size_t length = std::fread(text, 1, sizeof text, file);
    const bool wholeFile = std::fgetc(file) == EOF;
    const char* key = FindBytes(text, length, "Language=");
    const size_t digitAt = key ? size_t(key - text) + 9 : length;
    // An empty value right before a bare line feed would swallow the line break and
    // glue the next line onto this one; such a file is left as it is. At the file's
    // end only the last line break goes.
    const bool lastByte = wholeFile && digitAt + 1 == length;
    if (digitAt < length && (text[digitAt] != '\n' || lastByte)) {
        const char digit = char('0' + (IsLanguageIndex(languageIndex) ? languageIndex : 0));
        // Only the one byte changes, so nothing else of the file can be lost.
        if (std::fseek(file, long(digitAt), SEEK_SET) == 0) std::fputc(digit, file);
    }
    std::fclose(file);
}

int ReadIniDriverValues(char (&driverDllName)[kDriverDllNameSize], int32_t& checkGdi) {
    FILE* file = OpenIniForReading();
    if (!file) return 0;
    char line[kShortLine];
    if (FindIniLine(file, "DLL", line, sizeof line)) std::sscanf(line, "DLL=%79s", driverDllName);
    if (FindIniLine(file, "CheckGDI", line, sizeof line)) std::sscanf(line, "CheckGDI=%i", &checkGdi);
    std::fclose(file);
    return 1;
}
