#include "tests/support/dialog_driver.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

constexpr UINT kTickMs = 10;
constexpr int kMaxTicks = 2000;  // a watchdog, not a timing: the dialog shows on its first idle moment

struct Drive {
    CDialog* dialog = nullptr;
    DialogAction act;
    UINT_PTR timer = 0;
    int ticks = 0;
    bool done = true, quitPosted = false;
} drive;

void Finish() {
    drive.done = true;
    KillTimer(nullptr, drive.timer);
}

void CALLBACK OnTick(HWND, UINT, UINT_PTR, DWORD) {
    if (drive.done) return;
    const HWND window = drive.dialog->m_hWnd;
    if (window && IsWindowVisible(window) && IsWindowEnabled(window)) {
        Finish();
        const DialogAction act = std::move(drive.act);  // it may start the next drive
        act(window);
    } else if (++drive.ticks > kMaxTicks) {
        Finish();
        ADD_FAILURE() << "the dialog never became visible";
        if ((drive.quitPosted = !window)) PostQuitMessage(0);
        else PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    }
}

}  // namespace

void ActWhenShown(CDialog& dialog, DialogAction act) {
    if (!drive.done) Finish();
    drive = Drive{&dialog, std::move(act)};
    drive.done = false;
    drive.timer = SetTimer(nullptr, 0, kTickMs, OnTick);
    EXPECT_NE(drive.timer, 0u);
}

INT_PTR RunDialogAndAct(CDialog& dialog, DialogAction act) {
    ActWhenShown(dialog, std::move(act));
    const INT_PTR result = dialog.DoModal();
    if (!drive.done) Finish();
    MSG msg;
    if (drive.quitPosted) PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    return result;
}
