#include "launcher/cpu_speed_estimate.h"

#include <process.h>

#include "detect/cpu_speed.h"
#include "state/launcher_state.h"
#include "state/trace.h"

void CpuSpeedEstimate::Start() {
    m_started = true;
    if (IsCyrixProcessor()) {
        m_mhz = ReadRegistryCpuMHz();
        return;
    }
    // _beginthreadex rather than CreateThread: the thread uses the C runtime (the trace).
    m_thread = reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, Measure, this, 0, nullptr));
    if (!m_thread) m_mhz = MeasureCpuMHzWithTsc();
}

unsigned __stdcall CpuSpeedEstimate::Measure(void* self) {
    auto* estimate = static_cast<CpuSpeedEstimate*>(self);
    // MeasureCpuMHzWithTsc itself raises this thread's priority one step while it counts.
    estimate->m_mhz = MeasureCpuMHzWithTsc();
    Trace("measurement done", estimate->m_mhz);
    return 0;
}

int CpuSpeedEstimate::Wait() {
    if (!m_started) return cpuMHz;
    if (m_thread) {
        WaitForSingleObject(m_thread, INFINITE);
        CloseHandle(m_thread);
        m_thread = nullptr;
    }
    cpuMHz = m_mhz;
    Trace("measurement waited for", cpuMHz);
    return cpuMHz;
}
