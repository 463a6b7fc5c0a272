#include "detect/cpu_speed.h"

#include <limits>

namespace {
void WaitForNextSecond(CpuClock& clock) {
    const uint32_t start = clock.ReadSeconds();
    while (clock.ReadSeconds() == start) {}
}
}  // namespace

uint64_t CountCyclesOfOneSecond(CpuClock& clock) {
    WaitForNextSecond(clock);
    const uint64_t first = clock.ReadCycleCounter();
    WaitForNextSecond(clock);
    // The full 64-bit difference: the low halves alone wrap on clocks of 4295 MHz and up.
    return clock.ReadCycleCounter() - first;
}

int32_t CyclesToMHz(uint64_t cycles) {
    uint64_t mhz = cycles / 1000000;
    if ((cycles / 100000) % 10 >= 6) ++mhz;
    const uint64_t largest = uint64_t(std::numeric_limits<int32_t>::max());
    return int32_t(mhz < largest ? mhz : largest);
}
