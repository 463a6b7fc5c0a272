#include <windows.h>
#include <gtest/gtest.h>

#include <atomic>

#include "detect/cpu_speed_estimate_win.h"

namespace {

std::atomic<int> measurements;
std::atomic<DWORD> measuringThread;
int waits;

DWORD CountedWait(HANDLE thread, DWORD timeoutMs) {
    ++waits;
    return WaitForSingleObject(thread, timeoutMs);
}

int ScriptedMeasurement() {
    ++measurements;
    measuringThread = GetCurrentThreadId();
    return 1234;
}

// On one processor a counting thread would hold up the dialog's thread, so the first
// reader counts; with two the count runs beside it, waited for the reader's way. Either
// way it counts once.
TEST(CpuSpeedEstimate, CountsOnTheReadersThreadOnOneProcessorAndBesideItOnTwo) {
    for (int processors : {1, 2}) {
        measurements = 0;
        measuringThread = 0;
        waits = 0;
        CpuSpeedEstimate estimate;
        estimate.Start(processors, ScriptedMeasurement);
        if (processors == 1) { EXPECT_EQ(measurements, 0); }
        EXPECT_EQ(estimate.Wait(CountedWait), 1234) << processors;
        EXPECT_EQ(estimate.Wait(CountedWait), 1234) << processors;
        EXPECT_EQ(measurements, 1) << processors;
        EXPECT_EQ(waits, processors - 1) << processors;
        EXPECT_EQ(measuringThread == GetCurrentThreadId(), processors == 1) << processors;
    }
}

}  // namespace
