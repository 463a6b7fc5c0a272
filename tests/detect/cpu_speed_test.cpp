#include <gtest/gtest.h>

#include "detect/cpu_speed.h"

namespace {

TEST(CyclesToMHz, RoundsUpOnlyFromATenthsDigitOfSixAndNeverWraps) {
    const struct {
        uint64_t cycles;
        int32_t mhz;
    } cases[] = {{299600000, 300}, {299500000, 299},      {300000000, 300},      {300599999, 300},
                 {0, 0},           {4294967296ull, 4295}, {5000000000ull, 5000}, {UINT64_MAX, INT32_MAX}};
    for (const auto& c : cases) EXPECT_EQ(CyclesToMHz(c.cycles), c.mhz) << c.cycles;
}

// A simulated machine: every look at the seconds counter takes one microsecond, and the
// time-stamp counter runs at a chosen rate.
struct SimulatedClock : CpuClock {
    uint64_t nowMicroseconds = 0;
    uint64_t cyclesPerMicrosecond = 0;
    uint32_t ReadSeconds() override { return uint32_t(++nowMicroseconds / 1000000); }
    uint64_t ReadCycleCounter() override { return nowMicroseconds * cyclesPerMicrosecond; }
};

TEST(CountCyclesOfOneSecond, CountsOneWholeSecondWithEveryBitOfTheCounter) {
    SimulatedClock clock;
    clock.cyclesPerMicrosecond = 300;
    clock.nowMicroseconds = 7999998;  // the seconds change right after the first look
    EXPECT_EQ(CountCyclesOfOneSecond(clock), 300000000u);
    EXPECT_EQ(clock.nowMicroseconds, 9000000u);
    clock.cyclesPerMicrosecond = 5000;  // 5 GHz: more than 2^32 cycles in the second
    EXPECT_EQ(CountCyclesOfOneSecond(clock), 5000000000u);
}

}  // namespace
