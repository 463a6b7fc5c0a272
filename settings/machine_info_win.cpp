#include <windows.h>

#include "settings/machine_info.h"

namespace {
uint16_t SystemDefaultLangId() { return GetSystemDefaultLangID(); }
uint32_t KeyScan(uint16_t ch) { return OemKeyScan(ch); }
}  // namespace

MachineInfo machineInfo = {SystemDefaultLangId, KeyScan};
