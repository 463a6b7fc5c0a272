#include "launcher/single_instance_win.h"

#include <windows.h>

#include "framework/win_app.h"
#include "launcher/window_classes.h"

namespace {

// Longer than any start-up of a healthy launcher; a hung one must not block for good.
constexpr DWORD kTurnTimeoutMs = 20000;
constexpr DWORD kCopyWindowTimeoutMs = 15000;

// Both handles stay open until the process ends, which releases what it still owns.
HANDLE startupTurn = nullptr;
bool ownsTurn = false;
HANDLE handOver = nullptr;

// A launcher that ended while owning the mutex leaves it abandoned, which is still ours.
// The wait may run inside the main dialog's start-up, whose window must keep answering.
bool WaitToOwn(HANDLE mutex) {
    const DWORD result = WaitAnsweringSentMessages(mutex, kTurnTimeoutMs);
    return result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
}

}  // namespace

bool ActivateRunningGame() {
    HWND game = ::FindWindowA(kGameWindowClass, nullptr);
    if (!game) return false;
    ::SetForegroundWindow(game);
    return true;
}

bool IsSoleLauncher() {
    HWND marker = ::FindWindowA(kMarkerWindowClass, nullptr);
    if (!marker) return true;
    if (::IsIconic(marker)) ::ShowWindow(marker, SW_RESTORE);
    // The marker's process may then bring its dialog to the front itself.
    DWORD markerProcess = 0;
    ::GetWindowThreadProcessId(marker, &markerProcess);
    ::AllowSetForegroundWindow(markerProcess);
    ::SetForegroundWindow(marker);
    return false;
}

void TakeStartupTurn() {
    if (!startupTurn) startupTurn = ::CreateMutexA(nullptr, FALSE, kStartupTurnName);
    if (startupTurn && !ownsTurn) ownsTurn = WaitToOwn(startupTurn);
}

void EndStartupTurn() {
    if (ownsTurn) ::ReleaseMutex(startupTurn);
    ownsTurn = false;
}

bool BeginHandOver() {
    HANDLE mutex = ::CreateMutexA(nullptr, FALSE, kHandOverName);
    // The copy, this launcher's or another's, needs the turn to start and show.
    EndStartupTurn();
    if (mutex && WaitToOwn(mutex)) handOver = mutex;
    // A copy that an earlier hand-over started shows by now: step aside for it.
    if (!ActivateRunningGame() && IsSoleLauncher()) return true;
    if (handOver) ::ReleaseMutex(handOver);
    handOver = nullptr;
    return false;
}

void FinishHandOver(HANDLE copy) {
    // Only a copy that runs and has no window yet is waited for: meanwhile the lock keeps a
    // second launcher from starting another.
    const DWORD start = ::GetTickCount();
    while (copy && !::FindWindowA(kMarkerWindowClass, nullptr) && !::FindWindowA(kGameWindowClass, nullptr) &&
           ::GetTickCount() - start < kCopyWindowTimeoutMs) {
        if (WaitAnsweringSentMessages(copy, 50) != WAIT_TIMEOUT) break;  // it has ended
    }
    if (copy) ::CloseHandle(copy);
    if (handOver) ::ReleaseMutex(handOver);
    handOver = nullptr;
}
