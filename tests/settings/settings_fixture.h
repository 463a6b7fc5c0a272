#pragma once
#include <gtest/gtest.h>

#include <string>

#include "settings/config_file.h"
#include "state/path_limits.h"
#include "tests/support/temp_dir.h"

// Every settings test starts in an empty installation folder with an all-zero record,
// the ini values as at program start, and a U.S. English machine with a QWERTY keyboard.
class SettingsTest : public ::testing::Test {
protected:
    // Loads as the launcher does, counting how often the machine's facts were asked for.
    void Load(int32_t rendererBefore = RenderSoftware8) {
        LoadConfigRecord(config, rendererBefore, machine.hardware3DAvailable, [this] {
            ++factsAsked;
            return machine;
        });
    }

    std::string RecordBytes() const { return std::string(reinterpret_cast<const char*>(&config), sizeof config); }

    GameConfig config{};
    MachineFacts machine{0, false, 0x0409, true};
    int factsAsked = 0;
    char driverDllName[kDriverDllNameSize] = "";
    int32_t checkGdi = 1;

private:
    ScopedInstallDir m_dir;
};
