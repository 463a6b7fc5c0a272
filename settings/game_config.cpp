#include "settings/game_config.h"

#include <cstdio>
#include <cstring>

#include "launcher/launcher_state.h"
#include "settings/file_replace.h"
#include "settings/ini_file.h"
#include "settings/machine_info.h"

namespace {

constexpr double kOne = 1.0;  // stored as 00 00 00 00 00 00 F0 3F

int32_t LanguageFromSystem(uint16_t langId) {
    switch (langId & 0x3FF) {
        case 0x07: return 2;  // German
        case 0x0A: return 3;  // Spanish
        case 0x0C: return 1;  // French
        case 0x10: return 4;  // Italian
        case 0x13: return 5;  // Dutch
        default: return 0;    // English
    }
}

bool IsQwerty() {
    // The key left of W is Q on QWERTY and A on AZERTY; a keyboard without 'q'
    // answers all ones, which counts as AZERTY.
    return machineInfo.oemKeyScan('q') < machineInfo.oemKeyScan('a');
}

bool WriteRecordFile(const char* path) {
    FILE* file = std::fopen(path, "wb");
    if (!file) return false;
    bool written = std::fwrite(&gameConfig, sizeof gameConfig, 1, file) == 1;
    written = std::fflush(file) == 0 && written;
    return std::fclose(file) == 0 && written;
}

// Reads exactly one record's worth of file into `gameConfig`; false for any other size.
bool ReadRecordFile() {
    FILE* file = std::fopen(kConfigPath, "rb");
    if (!file) return false;
    bool ok = std::fseek(file, 0, SEEK_END) == 0 && std::ftell(file) == long(sizeof gameConfig) &&
              std::fseek(file, 0, SEEK_SET) == 0 && std::fread(&gameConfig, sizeof gameConfig, 1, file) == 1;
    std::fclose(file);
    return ok;
}

}  // namespace

void SetDefaultConfig() {
    GameConfig& c = gameConfig;
    if (hardware3DAvailable) {
        c.renderer = RenderOpenGL;
        c.hardware3DState = 1;
    } else {
        c.renderer = cpuMHz >= 300 ? RenderSoftware24 : RenderSoftware8;
        c.hardware3DState = 0;
    }
    c.configVersion = kConfigVersion;
    c.languageIndex = LanguageFromSystem(machineInfo.systemDefaultLangId());
    c.gameInt1 = 2;
    c.screenWidth = 512;
    c.screenHeight = 384;
    c.fullScreen = 1;
    c.gameReal1 = kOne;
    c.gameInt4 = 0;
    for (int i = 0; i < 10; ++i) c.gameBytes[i] = uint8_t(i);

    static const uint8_t kArrows[4] = {200, 208, 205, 203};
    static const uint8_t kQwertyLetters[5] = {16, 17, 18, 19, 30};
    static const uint8_t kAzertyLetters[5] = {30, 44, 18, 19, 16};
    static const uint8_t kRest[9] = {31, 32, 33, 15, 28, 15, 28, 16, 1};
    std::memcpy(c.keyCodes, kArrows, sizeof kArrows);
    std::memcpy(c.keyCodes + 4, IsQwerty() ? kQwertyLetters : kAzertyLetters, 5);
    std::memcpy(c.keyCodes + 9, kRest, sizeof kRest);

    c.gameInt2 = 100;
    c.gameInt3 = 100;
    c.gameReal2 = kOne;
    std::memset(c.gameZero, 0, sizeof c.gameZero);
    c.gameReal3 = kOne;
    c.gameReal4 = kOne;
    c.gameReal5 = kOne;
    c.gameFlag = 0;
}

void SaveConfig() {
    // Written beside the old file and then swapped in, so a crash or a full disk
    // never leaves the user without their stored settings. Failures stay silent.
    if (WriteRecordFile(kConfigTempPath)) {
        if (!ReplaceFileWith(kConfigTempPath, kConfigPath)) std::remove(kConfigTempPath);
    } else {
        std::remove(kConfigTempPath);
    }
    if (IniFirstTime() != 0) WriteIniLanguage(gameConfig.languageIndex);
}

void LoadConfig() {
    const int32_t previousRenderer = gameConfig.renderer;
    const bool valid = ReadRecordFile() && gameConfig.configVersion == kConfigVersion &&
                       !(previousRenderer == RenderOpenGL && !hardware3DAvailable) &&
                       gameConfig.languageIndex >= 0 && gameConfig.languageIndex < kLanguageCount;
    if (!valid) {
        SetDefaultConfig();
        SaveConfig();
        return;
    }
    if (IniFirstTime() == 0) return;
    ReadIniLanguageFirst();
    SaveConfig();
}
