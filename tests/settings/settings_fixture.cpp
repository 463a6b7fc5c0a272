#include "tests/settings/settings_fixture.h"

#include <cstring>

#include "launcher/launcher_state.h"
#include "settings/machine_info.h"

namespace {
unsigned chosenLangId = 0x0409;
bool azerty = false;
uint16_t ChosenLanguage() { return uint16_t(chosenLangId); }
uint32_t ChosenKeyScan(uint16_t ch) {
    // Scan codes of the keys that carry the letters on each layout.
    if (ch == 'q') return azerty ? 0x1E : 0x10;
    if (ch == 'a') return azerty ? 0x10 : 0x1E;
    return 0xFFFFFFFFu;
}
MachineInfo savedMachineInfo;
}  // namespace

void SettingsTest::SetUp() {
    savedMachineInfo = machineInfo;
    chosenLangId = 0x0409;
    azerty = false;
    machineInfo = {ChosenLanguage, ChosenKeyScan};
    std::memset(&gameConfig, 0, sizeof gameConfig);
    cpuMHz = 0;
    hardware3DAvailable = 0;
    checkGdi = 1;
    driverDllName[0] = '\0';
}

void SettingsTest::TearDown() { machineInfo = savedMachineInfo; }

void SettingsTest::UseSystemLanguage(unsigned langId) { chosenLangId = langId; }
void SettingsTest::UseAzertyKeyboard() { azerty = true; }

std::string SettingsTest::RecordBytes() {
    return std::string(reinterpret_cast<const char*>(&gameConfig), sizeof gameConfig);
}
