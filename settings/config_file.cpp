#include "settings/config_file.h"

#include <cstdio>
#include <cstring>

#include "settings/file_replace.h"
#include "settings/ini_file.h"
#include "state/language.h"

namespace {

constexpr double kOne = 1.0;  // stored as 00 00 00 00 00 00 F0 3F

// Reads exactly one record's worth of file; false for any other size.
bool ReadRecordFile(GameConfig& record) {
    FILE* file = std::fopen(kConfigPath, "rb");
    if (!file) return false;
    bool ok = std::fseek(file, 0, SEEK_END) == 0 && std::ftell(file) == long(sizeof record) &&
              std::fseek(file, 0, SEEK_SET) == 0 && std::fread(&record, sizeof record, 1, file) == 1;
    std::fclose(file);
    return ok;
}

}  // namespace

int32_t LanguageFromSystem(uint16_t langId) {
    switch (langId & 0x3FF) {
        case 0x07: return German;
        case 0x0A: return Spanish;
        case 0x0C: return French;
        case 0x10: return Italian;
        case 0x13: return Dutch;
        default: return English;
    }
}

bool IsQwertyLayout(uint32_t scanCodeOfQ, uint32_t scanCodeOfA) { return scanCodeOfQ < scanCodeOfA; }

void MakeDefaultConfig(GameConfig& c, const MachineFacts& machine) {
    if (machine.hardware3DAvailable) {
        c.renderer = RenderOpenGL;
        c.hardware3DState = 1;
    } else {
        c.renderer = machine.cpuMHz >= 300 ? RenderSoftware24 : RenderSoftware8;
        c.hardware3DState = 0;
    }
    c.configVersion = kConfigVersion;
    c.languageIndex = LanguageFromSystem(machine.systemLangId);
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
    std::memcpy(c.keyCodes + 4, machine.qwertyKeyboard ? kQwertyLetters : kAzertyLetters, 5);
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

bool SaveConfigRecord(const GameConfig& record) {
    const bool saved = WriteFileAndReplace(kConfigTempPath, kConfigPath, &record, sizeof record);
    if (IniFirstTime() != 0) WriteIniLanguage(record.languageIndex);
    return saved;
}

void LoadConfigRecord(GameConfig& record, int32_t rendererBefore, bool hardware3DAvailable,
                      const MachineFactsSource& machine) {
    const bool valid = ReadRecordFile(record) && record.configVersion == kConfigVersion &&
                       !(rendererBefore == RenderOpenGL && !hardware3DAvailable) &&
                       IsLanguageIndex(record.languageIndex);
    if (!valid) {
        MakeDefaultConfig(record, machine());
        SaveConfigRecord(record);
        return;
    }
    if (IniFirstTime() == 0) return;
    ReadIniLanguageFirst(record.languageIndex);
    SaveConfigRecord(record);
}
