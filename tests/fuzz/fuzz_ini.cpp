// Any ini text: the readers never crash, and the writer changes at most the one
// byte after the first "Language=" of the first 4096 bytes, never the length.
#include <cstdlib>
#include <cstring>

#include "settings/ini_file.h"
#include "tests/support/temp_dir.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static ScopedInstallDir installDir("quimbo-fuzz-");  // removed at exit, kept with a crash file
    WriteBytes(kIniPath, std::string(data, data + size));
    int32_t language = 0, checkGdi = 1;
    char driverDllName[kDriverDllNameSize] = "";
    IniFirstTime();
    language = IniLanguageOfAllLines(language);
    ReadIniLanguageFirst(language);
    ReadIniDriverValues(driverDllName, checkGdi);

    WriteIniLanguage(int(size % 8) - 1);
    const std::string after = ReadBytes(kIniPath);
    if (after.size() != size) std::abort();
    size_t changed = 0;
    for (size_t i = 0; i < size; ++i) {
        if (after[i] == char(data[i])) continue;
        if (++changed > 1 || i < 9 || i >= 4096 || std::memcmp(after.data() + i - 9, "Language=", 9) != 0) std::abort();
    }
    return 0;
}
