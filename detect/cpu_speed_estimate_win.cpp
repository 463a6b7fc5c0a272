#include "detect/cpu_speed_estimate_win.h"

#include <process.h>

#include "detect/cpu_speed_win.h"
#include "state/trace.h"

void CpuSpeedEstimate::Start() {
    if (IsCyrixProcessor()) {
        m_started = true;
        m_mhz = ReadRegistryCpuMHz();
        return;
    }
    Start(UsableProcessorCount(), MeasureCpuMHzWithTsc);
}

void CpuSpeedEstimate::Start(int usableProcessors, Measurement measure) {
    m_started = true;
    m_measure = measure;
    // On one processor the counting thread, at its raised priority, would hold up the
    // dialog's thread for the whole count: there the first reader counts instead.
    // _beginthreadex rather than CreateThread: the thread uses the C runtime (the trace).
    if (usableProcessors >= 2)
        m_thread = reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, Measure, this, 0, nullptr));
    m_countOnWait = m_thread == nullptr;
}

int CpuSpeedEstimate::UsableProcessorCount() {
    DWORD_PTR process = 0, system = 0;
    if (!GetProcessAffinityMask(GetCurrentProcess(), &process, &system)) return 1;
    int count = 0;
    for (; process; process &= process - 1) ++count;
    return count;
}

unsigned __stdcall CpuSpeedEstimate::Measure(void* self) {
    auto* estimate = static_cast<CpuSpeedEstimate*>(self);
    // MeasureCpuMHzWithTsc itself raises this thread's priority one step while it counts.
    estimate->m_mhz = estimate->m_measure();
    Trace(kTraceMeasured, estimate->m_mhz);
    return 0;
}

int CpuSpeedEstimate::Wait(ThreadWait wait) {
    if (m_thread) {
        wait(m_thread, INFINITE);
        CloseHandle(m_thread);
        m_thread = nullptr;
    } else if (m_countOnWait) {
        m_mhz = m_measure();
        m_countOnWait = false;
    }
    return m_mhz;
}
