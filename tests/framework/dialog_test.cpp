#include <windows.h>
#include <gtest/gtest.h>

#include <vector>

#include "framework/button.h"
#include "framework/dialog.h"
#include "res/resource.h"
#include "tests/support/dialog_driver.h"

// The modal loop: when the dialog is first shown, how a quit message ends it, and
// what a dialog object run again keeps from its earlier windows.
namespace {

constexpr UINT kPostedInInit = WM_APP + 1;

struct RecordingDialog : CDialog {
    using CDialog::CDialog;
    int quitCode = -1;       // >= 0: OnInitDialog posts the quit message
    bool everShown = false;  // any WM_SHOWWINDOW that showed the window
    int postedSeen = 0;
    bool visibleAtPosted = true;

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        PostMessageA(m_hWnd, kPostedInInit, 0, 0);
        if (quitCode >= 0) PostQuitMessage(quitCode);
        return quitCode < 0;
    }
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

TEST_P(ModalLoop, ShowsTheDialogOnlyOnceTheQueueIsEmptyAndAQuitInOnInitDialogEndsItUnseen) {
    RecordingDialog shown(GetParam());
    bool visibleWhenActing = false;
    EXPECT_EQ(RunDialogAndAct(shown,
                              [&](HWND window) {
                                  visibleWhenActing = IsWindowVisible(window);
                                  shown.EndDialog(7);
                              }),
              7);
    EXPECT_TRUE(visibleWhenActing);
    EXPECT_EQ(shown.postedSeen, 1);
    EXPECT_FALSE(shown.visibleAtPosted) << "a message posted during OnInitDialog comes before the first idle moment";
    EXPECT_EQ(TakeQuitMessage(), -1);

    RecordingDialog quitting(GetParam());
    quitting.quitCode = 3;
    EXPECT_EQ(quitting.DoModal(), -1);
    EXPECT_FALSE(quitting.everShown);
    EXPECT_EQ(quitting.m_hWnd, nullptr);
    EXPECT_EQ(TakeQuitMessage(), 3) << "the quit message must reach the outer loop";
}

// 155 is visible by its template, 102 is not: both wait for the first idle moment.
INSTANTIATE_TEST_SUITE_P(VisibleAndHiddenTemplates, ModalLoop, ::testing::Values(IDD_LANGUAGE, IDD_LAUNCHER));

// A long-lived dialog object, ended by its OnInitDialog, which also asks for the
// default handling of WM_INITDIALOG.
struct ReusedDialog : CDialog {
    ReusedDialog() : CDialog(IDD_VIDEO_OPTIONS) {}
    CButton m_windowed;
    HWND window = nullptr;
    bool boundInInit = false, finishedAfterWindow = false;
    std::vector<UINT> defaulted;  // messages handed to the system's dialog handling
    int initCalls = 0, finished = 0;

    BOOL OnInitDialog() override {
        ++initCalls;
        CDialog::OnInitDialog();
        boundInInit = m_windowed.m_hWnd && m_windowed.m_hWnd == GetDlgItem(m_hWnd, IDC_WINDOWED);
        window = m_hWnd;
        Default();
        EndDialog(IDOK);
        return TRUE;
    }
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, IDC_WINDOWED, m_windowed); }
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        defaulted.push_back(message);
        return CDialog::DefWindowProc(message, wParam, lParam);
    }
    void PostNcDestroy() override {
        ++finished;
        finishedAfterWindow = !IsWindow(window) && !m_windowed.m_hWnd;
    }
};

TEST(ModalLoopReuse, EachRunBindsControlsAfreshAndLetsGoOfThemWhenItEnds) {
    ReusedDialog dialog;
    for (int run = 1; run <= 2; ++run) {
        EXPECT_EQ(dialog.DoModal(), IDOK);
        EXPECT_TRUE(dialog.boundInInit) << run;
        EXPECT_EQ(dialog.m_windowed.m_hWnd, nullptr) << run;
        EXPECT_EQ(dialog.finished, run);
        EXPECT_TRUE(dialog.finishedAfterWindow) << run;
    }
    EXPECT_EQ(dialog.initCalls, 2);
    EXPECT_EQ(dialog.defaulted, (std::vector<UINT>{WM_INITDIALOG, WM_INITDIALOG}));
}

// A handler that throws ends its dialog with -1 rather than unwinding through the
// system's dialog procedure; the object is finished once and runs again. A message a
// handler took is not handled again by the system's procedure: a swallowed WM_CLOSE
// would otherwise end the dialog as Cancel first.
struct ThrowingDialog : CDialog {
    ThrowingDialog() : CDialog(IDD_LANGUAGE) {}
    int finished = 0;
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        SendMessage(WM_CLOSE);
        PostMessageA(m_hWnd, WM_APP, 0, 0);
        return TRUE;
    }
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override {
        if (message == WM_APP) throw 1;
        if (message == WM_CLOSE) return *result = 0, true;
        return CDialog::OnWndMsg(message, wParam, lParam, result);
    }
    void PostNcDestroy() override { ++finished; }
};

TEST(ModalLoopThrow, AHandlerThatThrowsEndsTheDialogWithMinusOne) {
    ThrowingDialog dialog;
    for (int run = 1; run <= 2; ++run) {
        EXPECT_EQ(dialog.DoModal(), -1);
        EXPECT_EQ(dialog.finished, run);
        EXPECT_EQ(dialog.m_hWnd, nullptr);
    }
}

// When the dialog ends, the activation it had goes back to its owner; one that the
// player moved to another window of the program stays there.
TEST(ModalLoopOwner, ActivationGoesBackToTheOwnerOnlyFromTheDialog) {
    const auto topLevel = [](const char* title) {
        return CreateWindowExA(0, "STATIC", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 100, nullptr, nullptr,
                               nullptr, nullptr);
    };
    CWnd owner;
    owner.m_hWnd = topLevel("owner");
    const HWND other = topLevel("other");
    for (const bool movedAway : {false, true}) {
        CDialog dialog(IDD_LANGUAGE, &owner);
        EXPECT_EQ(RunDialogAndAct(dialog,
                                  [&](HWND window) {
                                      SetActiveWindow(movedAway ? other : window);
                                      dialog.EndDialog(IDOK);
                                  }),
                  IDOK);
        EXPECT_EQ(GetActiveWindow(), movedAway ? other : owner.m_hWnd) << movedAway;
    }
    DestroyWindow(other);
    DestroyWindow(owner.m_hWnd);
    owner.m_hWnd = nullptr;
}

}  // namespace
