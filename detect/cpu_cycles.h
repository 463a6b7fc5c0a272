#pragma once
// Turning time-stamp-counter cycles into a clock rate. The clock sources are a seam so
// the counting is tested with scripted clocks; the Windows build passes the tick
// counter's whole seconds and RDTSC.
#include <cstdint>

struct CpuClock {
    uint32_t (*readSeconds)();           // whole seconds since some fixed start
    uint64_t (*readTimeStampCounter)();
};

// Waits for the seconds value to change, then counts the cycles until the next change,
// so the count spans exactly one second. Busy polls, no sleeping.
uint64_t CountCyclesOfOneSecond(const CpuClock& clock);

// Whole MHz from the cycles of one second, rounding up only from a tenths digit of 6.
int32_t CyclesToMHz(uint64_t cycles);
