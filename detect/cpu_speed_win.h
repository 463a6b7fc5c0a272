#pragma once
// The processor's clock rate (Windows only).
#include <cstdint>

// Read from the registry on processors whose divide leaves the flags alone (the Cyrix
// kind), measured everywhere else; 0 when no value was found.
int DetectCpuMHz();

int IsCyrixProcessor();      // 1 when an 8-bit DIV leaves SF ZF AF PF CF clear
int ReadRegistryCpuMHz();    // the system's own figure, 0 when it has none
int MeasureCpuMHzWithTsc();  // 1 to 2 s of busy counting; 0 without a time-stamp counter
