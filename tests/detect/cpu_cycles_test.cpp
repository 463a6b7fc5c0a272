#include <gtest/gtest.h>

#include "detect/cpu_cycles.h"

namespace {

TEST(CyclesToMHz, RoundsUpOnlyFromATenthsDigitOfSix) {
    EXPECT_EQ(CyclesToMHz(299600000), 300);
    EXPECT_EQ(CyclesToMHz(299500000), 299);
    EXPECT_EQ(CyclesToMHz(300000000), 300);
    EXPECT_EQ(CyclesToMHz(300599999), 300);
    EXPECT_EQ(CyclesToMHz(0), 0);
}

TEST(CyclesToMHz, ClocksBeyondThirtyTwoBitsOfCyclesAreNotWrapped) {
    EXPECT_EQ(CyclesToMHz(5000000000ull), 5000);
    EXPECT_EQ(CyclesToMHz(4294967296ull), 4295);
    EXPECT_EQ(CyclesToMHz(UINT64_MAX), INT32_MAX);
}

// A simulated machine: every look at the seconds counter takes one microsecond, and the
// time-stamp counter runs at a chosen rate.
uint64_t nowMicroseconds;
uint64_t cyclesPerMicrosecond;
uint32_t SimulatedSeconds() {
    ++nowMicroseconds;
    return uint32_t(nowMicroseconds / 1000000);
}
uint64_t SimulatedCounter() { return nowMicroseconds * cyclesPerMicrosecond; }

TEST(CountCyclesOfOneSecond, CountsFromOneChangeOfTheSecondsToTheNext) {
    const CpuClock clock = {SimulatedSeconds, SimulatedCounter};
    cyclesPerMicrosecond = 300;
    // The seconds change right after the first look: the count still spans a whole second.
    nowMicroseconds = 7999998;
    EXPECT_EQ(CountCyclesOfOneSecond(clock), 300000000u);
    EXPECT_EQ(nowMicroseconds, 9000000u);

    nowMicroseconds = 12345678;
    EXPECT_EQ(CountCyclesOfOneSecond(clock), 300000000u);
    EXPECT_EQ(nowMicroseconds, 14000000u);
}

TEST(CountCyclesOfOneSecond, KeepsEveryBitOfAFastCounter) {
    const CpuClock clock = {SimulatedSeconds, SimulatedCounter};
    cyclesPerMicrosecond = 5000;  // 5 GHz: more than 2^32 cycles in the second
    nowMicroseconds = 500000;
    EXPECT_EQ(CyclesToMHz(CountCyclesOfOneSecond(clock)), 5000);
}

}  // namespace
