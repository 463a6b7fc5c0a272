#include "tests/support/dialog_driver.h"

#include <gtest/gtest.h>

namespace {

struct Drive {
    CDialog* dialog = nullptr;
    const std::function<void(HWND)>* act = nullptr;
    UINT_PTR timer = 0;
    int ticks = 0;
    bool done = false, quitPosted = false;
} drive;

constexpr UINT kTickMs = 10;
constexpr int kMaxTicks = 2000;  // a watchdog, not a timing: the dialog shows on its first idle moment

void Finish() {
    drive.done = true;
    KillTimer(nullptr, drive.timer);
}

void CALLBACK OnTick(HWND, UINT, UINT_PTR, DWORD) {
    if (drive.done) return;
    const HWND window = drive.dialog->m_hWnd;
    if (window && IsWindowVisible(window)) {
        Finish();
        (*drive.act)(window);
    } else if (++drive.ticks > kMaxTicks) {
        Finish();
        ADD_FAILURE() << "the dialog never became visible";
        if (window) {
            PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
        } else {
            drive.quitPosted = true;
            PostQuitMessage(0);
        }
    }
}

}  // namespace

INT_PTR RunDialogAndAct(CDialog& dialog, const std::function<void(HWND)>& act) {
    drive = Drive{&dialog, &act};
    drive.timer = SetTimer(nullptr, 0, kTickMs, OnTick);
    EXPECT_NE(drive.timer, 0u);
    const INT_PTR result = dialog.DoModal();
    if (!drive.done) Finish();
    if (drive.quitPosted) {
        MSG msg;
        PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    }
    return result;
}
