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
    int quitCode = -1;          // >= 0: OnInitDialog posts the quit message
    bool everShown = false;     // any WM_SHOWWINDOW that showed the window
    int postedSeen = 0;
    bool visibleAtPosted = true;

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        PostMessageA(m_hWnd, kPostedInInit, 0, 0);
        if (quitCode >= 0) {
            PostQuitMessage(quitCode);
            return FALSE;
        }
        return TRUE;
    }

protected:
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override {
        if (message == WM_SHOWWINDOW && wParam) everShown = true;
        if (message == kPostedInInit) {
            ++postedSeen;
            visibleAtPosted = IsWindowVisible();
        }
        return CDialog::OnWndMsg(message, wParam, lParam, result);
    }
};

bool TakeQuitMessage(WPARAM* code) {
    MSG msg;
    if (!PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) return false;
    *code = msg.wParam;
    return true;
}

class ModalLoop : public ::testing::TestWithParam<UINT> {};

TEST_P(ModalLoop, QuitInOnInitDialogEndsItUnseenAndIsPostedAgain) {
    RecordingDialog dialog(GetParam());
    dialog.quitCode = 3;
    EXPECT_EQ(dialog.DoModal(), -1);
    EXPECT_FALSE(dialog.everShown);
    EXPECT_EQ(dialog.m_hWnd, nullptr);  // the window is gone
    WPARAM code = 0;
    ASSERT_TRUE(TakeQuitMessage(&code)) << "the quit message must reach the outer loop";
    EXPECT_EQ(code, 3u);
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
    EXPECT_TRUE(dialog.everShown);
    EXPECT_EQ(dialog.postedSeen, 1);
    EXPECT_FALSE(dialog.visibleAtPosted) << "a message posted during OnInitDialog comes before the first idle moment";
    WPARAM code = 0;
    EXPECT_FALSE(TakeQuitMessage(&code));
}

// 155 is visible by its template, 102 is not: both wait for the first idle moment.
INSTANTIATE_TEST_SUITE_P(VisibleAndHiddenTemplates, ModalLoop, ::testing::Values(IDD_LANGUAGE, IDD_LAUNCHER));

TEST(ModalLoopEnd, EndDialogInOnInitDialogNeverShowsTheDialog) {
    struct EndsAtOnce : RecordingDialog {
        EndsAtOnce() : RecordingDialog(IDD_LANGUAGE) {}
        BOOL OnInitDialog() override {
            RecordingDialog::OnInitDialog();
            EndDialog(IDCANCEL);
            return TRUE;
        }
    } dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_FALSE(dialog.everShown);
}

TEST(ModalLoopEnd, AMissingTemplateFails) {
    CDialog dialog(4242);
    EXPECT_EQ(dialog.DoModal(), -1);
}

TEST(ModalLoopEnd, TheDialogIsReusableAfterDoModal) {
    CDialog dialog(IDD_LANGUAGE);
    for (int run = 0; run < 2; ++run)
        EXPECT_EQ(RunDialogAndAct(dialog, [](HWND window) { PostMessageA(window, WM_COMMAND, IDOK, 0); }), IDOK);
}

}  // namespace
