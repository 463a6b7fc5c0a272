#include <windows.h>

#include <cpuid.h>
#include <x86intrin.h>

#include "detect/cpu_speed.h"
#include "detect/cpu_speed_win.h"

namespace {

constexpr unsigned kCpuidTimeStampCounter = 1u << 4;  // leaf 1, EDX

bool HasTimeStampCounter() {
    unsigned eax, ebx, ecx, edx;
    return __get_cpuid(1, &eax, &ebx, &ecx, &edx) && (edx & kCpuidTimeStampCounter);
}

// In 64-bit mode LAHF and SAHF exist only where CPUID says so.
bool CanTestDivideFlags() {
#if defined(__x86_64__)
    unsigned eax, ebx, ecx, edx;
    return __get_cpuid(0x80000001, &eax, &ebx, &ecx, &edx) && (ecx & bit_LAHF_LM);
#else
    return true;
#endif
}

class TickCountClock final : public CpuClock {
public:
    uint32_t ReadSeconds() override { return GetTickCount() / 1000; }
    uint64_t ReadCycleCounter() override { return __rdtsc(); }
};

}  // namespace

int DetectCpuMHz() { return IsCyrixProcessor() ? ReadRegistryCpuMHz() : MeasureCpuMHzWithTsc(); }

int IsCyrixProcessor() {
    // No 64-bit processor is of that kind, so one without LAHF/SAHF is not either.
    if (!CanTestDivideFlags()) return 0;
    unsigned char flags;
    __asm__ volatile(
        "xorl %%eax, %%eax\n\t"
        "sahf\n\t"  // SF ZF AF PF CF := 0
        "movw $5, %%ax\n\t"
        "divb %b1\n\t"  // 5 / 2
        "lahf\n\t"
        "movb %%ah, %0"
        : "=Q"(flags)  // a register that can take AH without a REX prefix
        : "q"(static_cast<unsigned char>(2))
        : "eax", "cc");
    return flags == 0x02 ? 1 : 0;  // bit 1 always reads 1: all five flags untouched
}

int ReadRegistryCpuMHz() {
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "HARDWARE\\DESCRIPTION\\System\\CentralProcessor\\0", 0, KEY_READ, &key) !=
        ERROR_SUCCESS)
        return 0;
    DWORD value = 0;
    LONG status = ERROR_FILE_NOT_FOUND;
    static const char* const kNames[] = {"~MHz", "~Mhz", "~mhz"};
    for (const char* name : kNames) {
        // Offered afresh for every name: a refused query reports the larger size it needed.
        DWORD size = sizeof value;
        value = 0;
        status = RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size);
        if (status == ERROR_SUCCESS) break;
    }
    RegCloseKey(key);
    return status == ERROR_SUCCESS ? int(value) : 0;
}

int MeasureCpuMHzWithTsc() {
    if (!HasTimeStampCounter()) return 0;
    HANDLE thread = GetCurrentThread();
    const int priority = GetThreadPriority(thread);
    const bool priorityKnown = priority != THREAD_PRIORITY_ERROR_RETURN;
    if (priorityKnown) SetThreadPriority(thread, priority + 1);

    TickCountClock clock;
    const uint64_t cycles = CountCyclesOfOneSecond(clock);

    if (priorityKnown) SetThreadPriority(thread, priority);
    return CyclesToMHz(cycles);
}
