#include "launcher/startup_trace_win.h"

#include <windows.h>

#include <cstdio>

#include "state/trace.h"

namespace {

HANDLE traceFile = INVALID_HANDLE_VALUE;  // never closed: lines may come until ExitProcess
CRITICAL_SECTION traceLock;
LARGE_INTEGER frequency, counterAtStart;
double msAtStart;  // process creation to counterAtStart

long long FileTimeUnits(const FILETIME& time) {
    return (static_cast<long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

void WriteLine(const char* event, long long value) {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    const double ms = msAtStart + 1000.0 * double(now.QuadPart - counterAtStart.QuadPart) / double(frequency.QuadPart);
    char line[160];
    const int length = value < 0 ? std::snprintf(line, sizeof line, "%9.1f %s\r\n", ms, event)
                                 : std::snprintf(line, sizeof line, "%9.1f %s %lld\r\n", ms, event, value);
    if (length <= 0) return;
    DWORD written;
    // Two threads trace: one line is one write, in order.
    EnterCriticalSection(&traceLock);
    WriteFile(traceFile, line, DWORD(length < int(sizeof line) ? length : int(sizeof line) - 1), &written, nullptr);
    LeaveCriticalSection(&traceLock);
}

}  // namespace

void StartTraceIfAsked() {
    char path[MAX_PATH];
    const DWORD length = GetEnvironmentVariableA("QUIMBO_TRACE", path, sizeof path);
    if (length == 0 || length >= sizeof path) return;
    traceFile =
        CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (traceFile == INVALID_HANDLE_VALUE) return;
    InitializeCriticalSection(&traceLock);
    QueryPerformanceFrequency(&frequency);
    FILETIME created, exited, kernel, user, now;
    GetSystemTimeAsFileTime(&now);
    QueryPerformanceCounter(&counterAtStart);
    msAtStart = GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)
                    ? double(FileTimeUnits(now) - FileTimeUnits(created)) / 10000.0
                    : 0.0;
    traceSink = WriteLine;
}
