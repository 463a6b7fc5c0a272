#pragma once
// The processor's clock rate, found beside the rest of start-up: the measurement
// counts for 1 to 2 s on a thread of its own while the launcher goes on, and only the
// first reader of the rate waits for it; a start that never reads it never waits.
// Windows only.
#include <windows.h>

class CpuSpeedEstimate {
public:
    using Measurement = int (*)();

    // Reads the registry at once where the processor's kind says so; otherwise starts
    // the measurement (MeasureCpuMHzWithTsc) as below.
    void Start();
    // Starts `measure` on a thread of its own where a second processor can run it;
    // on one processor, or without a thread to be had, Wait runs it instead.
    void Start(int usableProcessors, Measurement measure);
    bool Started() const { return m_started; }
    // How the reader waits for the measuring thread, as WaitForSingleObject does; on a
    // thread that owns windows, one that goes on answering what is sent to them.
    using ThreadWait = DWORD (*)(HANDLE thread, DWORD timeoutMs);
    // The rate once it is known, 0 when none was found; it is found once. Only after Start.
    int Wait(ThreadWait wait);

private:
    static unsigned __stdcall Measure(void* self);
    static int UsableProcessorCount();  // those this process may run on

    bool m_started = false;
    bool m_countOnWait = false;  // one processor, or no thread to be had
    Measurement m_measure = nullptr;
    // A raw handle, never joined at exit: an early end exits with the thread still
    // counting, and ExitProcess ends it.
    HANDLE m_thread = nullptr;
    int m_mhz = 0;  // written by the measuring thread; read after it has ended
};
