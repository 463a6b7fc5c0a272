#include "tests/support/dialog_driver.h"

#include <gtest/gtest.h>

namespace {

constexpr UINT kTickMs = 10;
constexpr int kMaxTicks = 2000;  // a watchdog, not a timing: the dialog shows on its first idle moment

struct Drive {
    CDialog* dialog;
    const std::function<void(HWND)>* act;
    UINT_PTR timer = 0;
    int ticks = 0;
    bool done = false, quitPosted = false;
    void Finish() {
        done = true;
        KillTimer(nullptr, timer);
    }
} drive{};

void CALLBACK OnTick(HWND, UINT, UINT_PTR, DWORD) {
    if (drive.done) return;
    const HWND window = drive.dialog->m_hWnd;
    if (window && IsWindowVisible(window)) {
        drive.Finish();
        (*drive.act)(window);
    } else if (++drive.ticks > kMaxTicks) {
        drive.Finish();
        ADD_FAILURE() << "the dialog never became visible";
        if ((drive.quitPosted = !window)) PostQuitMessage(0);
        else PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    }
}

}  // namespace

INT_PTR RunDialogAndAct(CDialog& dialog, const std::function<void(HWND)>& act) {
    drive = Drive{&dialog, &act};
    drive.timer = SetTimer(nullptr, 0, kTickMs, OnTick);
    EXPECT_NE(drive.timer, 0u);
    const INT_PTR result = dialog.DoModal();
    if (!drive.done) drive.Finish();
    MSG msg;
    if (drive.quitPosted) PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    return result;
}
