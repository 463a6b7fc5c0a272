#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <vector>

#include "detect/cpu_speed.h"

namespace {

constexpr const char* kProcessorKey = "HARDWARE\\DESCRIPTION\\System\\CentralProcessor\\0";

// Changes the system's ~MHz value for one test and puts the original back.
class RegistryClock : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, kProcessorKey, 0, KEY_READ | KEY_SET_VALUE, &key_), ERROR_SUCCESS);
        DWORD size = 0;
        hadValue_ = RegQueryValueExA(key_, "~MHz", nullptr, &type_, nullptr, &size) == ERROR_SUCCESS;
        original_.resize(size);
        if (hadValue_) RegQueryValueExA(key_, "~MHz", nullptr, &type_, original_.data(), &size);
    }
    void TearDown() override {
        if (hadValue_)
            RegSetValueExA(key_, "~MHz", 0, type_, original_.data(), DWORD(original_.size()));
        else
            RegDeleteValueA(key_, "~MHz");
        RegCloseKey(key_);
    }
    void Store(DWORD type, const void* data, DWORD size) {
        ASSERT_EQ(RegSetValueExA(key_, "~MHz", 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
    }

    HKEY key_ = nullptr;
    bool hadValue_ = false;
    DWORD type_ = 0;
    std::vector<BYTE> original_;
};

TEST_F(RegistryClock, ReadsTheStoredFigure) {
    const DWORD mhz = 1234;
    Store(REG_DWORD, &mhz, sizeof mhz);
    EXPECT_EQ(ReadRegistryCpuMHz(), 1234);
}

TEST_F(RegistryClock, MissingOrOversizedValueGivesZero) {
    RegDeleteValueA(key_, "~MHz");
    EXPECT_EQ(ReadRegistryCpuMHz(), 0);
    // Refused for its size, then found again under the next spelling (names ignore case):
    // the second query must not be offered the larger size.
    const char text[] = "2300 MHz and then some more";
    Store(REG_SZ, text, sizeof text);
    EXPECT_EQ(ReadRegistryCpuMHz(), 0);
}

TEST(MeasuredClock, AgreesWithTheSystemsFigureAndRestoresPriority) {
    const int registry = ReadRegistryCpuMHz();
    HANDLE thread = GetCurrentThread();
    const int priority = GetThreadPriority(thread);
    const int measured = MeasureCpuMHzWithTsc();
    EXPECT_EQ(GetThreadPriority(thread), priority);
    std::printf("registry ~MHz %d, measured %d MHz, divide-flags test %d\n", registry, measured, IsCyrixProcessor());
    ASSERT_GT(registry, 0) << "the system has no figure to compare with";
    EXPECT_NEAR(measured, registry, registry / 10);
}

}  // namespace
