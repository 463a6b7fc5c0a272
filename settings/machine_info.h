#pragma once
// What the default record takes from the machine besides the detection results.
// Tests point these at chosen answers; the Windows build starts with the real calls.
#include <cstdint>

struct MachineInfo {
    uint16_t (*systemDefaultLangId)();    // GetSystemDefaultLangID
    uint32_t (*oemKeyScan)(uint16_t ch);  // OemKeyScan
};

extern MachineInfo machineInfo;
