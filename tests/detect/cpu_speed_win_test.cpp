#include <windows.h>
#include <gtest/gtest.h>

#include <vector>

#include "detect/cpu_speed_win.h"

namespace {

TEST(RegistryClock, ReadsTheStoredFigureAndGivesZeroWhenOversizedOrMissing) {
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "HARDWARE\\DESCRIPTION\\System\\CentralProcessor\\0", 0,
                            KEY_READ | KEY_SET_VALUE, &key),
              ERROR_SUCCESS);
    DWORD type = 0, size = 0;
    const bool hadValue = RegQueryValueExA(key, "~MHz", nullptr, &type, nullptr, &size) == ERROR_SUCCESS;
    std::vector<BYTE> original(size);
    if (hadValue) RegQueryValueExA(key, "~MHz", nullptr, &type, original.data(), &size);

    const DWORD mhz = 1234;
    RegSetValueExA(key, "~MHz", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&mhz), sizeof mhz);
    EXPECT_EQ(ReadRegistryCpuMHz(), 1234);
    // Refused for its size, then found again under the next spelling (names ignore case):
    // the second query must not be offered the larger size.
    const char text[] = "2300 MHz and then some more";
    RegSetValueExA(key, "~MHz", 0, REG_SZ, reinterpret_cast<const BYTE*>(text), sizeof text);
    EXPECT_EQ(ReadRegistryCpuMHz(), 0);
    RegDeleteValueA(key, "~MHz");  // no spelling of the name at all
    EXPECT_EQ(ReadRegistryCpuMHz(), 0);

    if (hadValue) RegSetValueExA(key, "~MHz", 0, type, original.data(), DWORD(original.size()));
    else RegDeleteValueA(key, "~MHz");
    RegCloseKey(key);
}

}  // namespace
