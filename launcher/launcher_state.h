#pragma once
// Process-wide state that more than one subsystem reads or writes. Everything lives
// for the whole run and is touched only by the one user-interface thread: no locking.
#include <cstdint>

#include "detect/display_device.h"
#include "settings/game_config.h"

constexpr int kMaxPath = 260;           // every path buffer, as MAX_PATH
constexpr int kDriverDllNameSize = 80;

extern GameConfig gameConfig;
extern int32_t cpuMHz;                  // 0 when no value was found
extern uint8_t hardware3DAvailable;     // a device able to carry the hardware renderer exists
extern DisplayDevice displayDevices[kDisplayDeviceSlots];
extern int32_t displayDeviceCount;
extern int32_t checkGdi;                // the ini's CheckGDI, 1 unless it says otherwise
extern char driverDllName[kDriverDllNameSize];
extern char installDir[kMaxPath];       // always ends in a backslash when set
extern char gameExePath[kMaxPath];      // non-empty exactly when the game is installed
extern char rootExePath[kMaxPath];
