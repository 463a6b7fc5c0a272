#include "launcher/single_instance_win.h"

#include <windows.h>

#include "launcher/window_classes.h"

namespace {

// Named in the session's namespace, as window classes are found per desktop.
constexpr const char* kStartupTurnName = "VESKA Demo start-up";
constexpr const char* kHandOverName = "VESKA Demo hand-over";
// Longer than any start-up of a healthy launcher; a hung one must not block for good.
constexpr DWORD kTurnTimeoutMs = 20000;
constexpr DWORD kCopyWindowTimeoutMs = 15000;

// Both handles stay open until the process ends, which releases what it still owns.
HANDLE startupTurn = nullptr;
bool ownsTurn = false;
HANDLE handOver = nullptr;

// A launcher that ended while owning the mutex leaves it abandoned, which is still ours.
bool WaitToOwn(HANDLE mutex) {
    const DWORD result = ::WaitForSingleObject(mutex, kTurnTimeoutMs);
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
    // second launcher from starting another. Messages sent to this one's hidden dialog
    // (a broadcast) are answered, so that their senders do not hang on it.
    const DWORD start = ::GetTickCount();
    while (copy && !::FindWindowA(kMarkerWindowClass, nullptr) && !::FindWindowA(kGameWindowClass, nullptr) &&
           ::GetTickCount() - start < kCopyWindowTimeoutMs) {
        const DWORD result = ::MsgWaitForMultipleObjects(1, &copy, FALSE, 50, QS_SENDMESSAGE);
        if (result != WAIT_TIMEOUT && result != WAIT_OBJECT_0 + 1) break;  // it has ended
        MSG message;
        ::PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
    if (copy) ::CloseHandle(copy);
    if (handOver) ::ReleaseMutex(handOver);
    handOver = nullptr;
}
