#include <gtest/gtest.h>
#include <windows.h>

#include "framework/dialog.h"
#include "res/resource.h"
#include "tests/support/dialog_driver.h"

// The modal loop: when the dialog is first shown, and how a quit message ends it.
namespace {

constexpr UINT kPostedInInit = WM_APP + 1;

class RecordingDialog : public CDialog {
public:
    using CDialog::CDialog;
    int quitCode = -1;       // >= 0: OnInitDialog posts the quit message
    bool everShown = false;  // any WM_SHOWWINDOW that showed the window
    int postedSeen = 0;
    bool visibleAtPosted = true;

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        PostMessageA(m_hWnd, kPostedInInit, 0, 0);
        if (quitCode < 0) return TRUE;
        PostQuitMessage(quitCode);
        return FALSE;
    }

protected:
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override {
        everShown |= message == WM_SHOWWINDOW && wParam;
        if (message == kPostedInInit) {
            ++postedSeen;
            visibleAtPosted = IsWindowVisible();
        }
        return CDialog::OnWndMsg(message, wParam, lParam, result);
    }
};

// The code of a waiting WM_QUIT, taken off the queue; -1 when there is none.
int TakeQuitMessage() {
    MSG msg;
    return PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) ? int(msg.wParam) : -1;
}

class ModalLoop : public ::testing::TestWithParam<UINT> {};

TEST_P(ModalLoop, QuitInOnInitDialogEndsItUnseenAndIsPostedAgain) {
    RecordingDialog dialog(GetParam());
    dialog.quitCode = 3;
    EXPECT_EQ(dialog.DoModal(), -1);
    EXPECT_FALSE(dialog.everShown);
    EXPECT_EQ(dialog.m_hWnd, nullptr);  // the window is gone
    EXPECT_EQ(TakeQuitMessage(), 3) << "the quit message must reach the outer loop";
}

TEST_P(ModalLoop, ShowsTheDialogOnlyOnceTheQueueIsEmpty) {
    RecordingDialog dialog(GetParam());
    bool visibleWhenActing = false;
    const INT_PTR result = RunDialogAndAct(dialog, [&](HWND window) {
        visibleWhenActing = IsWindowVisible(window);
        dialog.EndDialog(7);
    });
    EXPECT_EQ(result, 7);
    EXPECT_TRUE(visibleWhenActing);
    EXPECT_EQ(dialog.postedSeen, 1);
    EXPECT_FALSE(dialog.visibleAtPosted) << "a message posted during OnInitDialog comes before the first idle moment";
    EXPECT_EQ(TakeQuitMessage(), -1);
}

// 155 is visible by its template, 102 is not: both wait for the first idle moment.
INSTANTIATE_TEST_SUITE_P(VisibleAndHiddenTemplates, ModalLoop, ::testing::Values(IDD_LANGUAGE, IDD_LAUNCHER));

}  // namespace
