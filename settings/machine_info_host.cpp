#include "settings/machine_info.h"

// Off Windows there is no system language or keyboard to ask: U.S. English, QWERTY.
namespace {
uint16_t SystemDefaultLangId() { return 0x0409; }
uint32_t KeyScan(uint16_t ch) { return ch == 'q' ? 0x10 : ch == 'a' ? 0x1E : 0xFFFFFFFFu; }
}  // namespace

MachineInfo machineInfo = {SystemDefaultLangId, KeyScan};
