#pragma once
// The processor's clock rate, estimated once at start-up (Windows only).
#include <cstdint>

// Stores the estimate in cpuMHz and returns it: read from the registry on processors
// whose divide leaves the flags alone (the Cyrix kind), measured everywhere else.
int EstimateCpuSpeed();

int IsCyrixProcessor();            // 1 when an 8-bit DIV leaves SF ZF AF PF CF clear
int ReadRegistryCpuMHz();          // the system's own figure, 0 when it has none
int MeasureCpuMHzWithTsc();        // 1 to 2 s of busy counting; 0 without a time-stamp counter
uint32_t ReadSecondsCounter();     // whole seconds of the tick counter
