#pragma once
// Turning time-stamp-counter cycles into a clock rate. The clock comes in as an
// interface so the counting is tested with scripted clocks; the Windows build passes
// the tick counter's whole seconds and RDTSC.
#include <cstdint>

class CpuClock {
public:
    virtual uint32_t ReadSeconds() = 0;  // whole seconds since some fixed start
    virtual uint64_t ReadCycleCounter() = 0;

protected:
    ~CpuClock() = default;
};

// Waits for the seconds value to change, then counts the cycles until the next change,
// so the count spans exactly one second. Busy polls, no sleeping.
uint64_t CountCyclesOfOneSecond(CpuClock& clock);

// Whole MHz from the cycles of one second, rounding up only from a tenths digit of 6.
int32_t CyclesToMHz(uint64_t cycles);
