#pragma once
// Process-wide state that more than one subsystem reads or writes. It lives for the
// whole run. Portable logic never touches it: it takes its inputs as arguments and
// returns its results, and the thin callers named after the steps of start-up record
// them here.
#include <cstdint>

#include "state/display_device.h"
#include "state/game_config.h"
#include "state/path_limits.h"

extern GameConfig gameConfig;
extern int32_t cpuMHz;               // 0 when no value was found
extern uint8_t hardware3DAvailable;  // a device able to carry the hardware renderer exists
extern DisplayDeviceTable displayDevices;
extern int32_t displayDeviceCount;  // the enumeration's count, kept beside its table; nothing reads it
extern int32_t checkGdi;            // the ini's CheckGDI, 1 unless it says otherwise
extern char driverDllName[kDriverDllNameSize];
extern char installDir[kMaxPath];   // always ends in a backslash when set
extern char gameExePath[kMaxPath];  // non-empty exactly when the game is installed
extern char rootExePath[kMaxPath];
