#include <windows.h>
#include <gtest/gtest.h>

#include <memory>

#include "framework/frame_wnd.h"
#include "framework/instance.h"

namespace {

int framesDeleted = 0;
int deletedAfterDefault = -1, deletedAfterNestedClose = -1;

// Ends its own window from inside its handlers when asked to.
struct CountedFrame : CFrameWnd {
    LRESULT createResult = 0;
    bool destroyInCreate = false;
    ~CountedFrame() override { ++framesDeleted; }

    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override {
        switch (message) {
            case WM_CREATE:
                if (destroyInCreate) ::DestroyWindow(m_hWnd);
                *result = createResult;
                return true;
            case WM_APP:  // the outermost message: closes the window through a nested one
                SendMessage(WM_CLOSE);
                deletedAfterNestedClose = framesDeleted;
                return true;
            case WM_APP + 1: throw 1;  // the window procedure catches it
            case WM_CLOSE:
                SendMessage(WM_APP + 1);
                Default();  // must still be WM_CLOSE: DestroyWindow, WM_NCDESTROY arrives in here
                deletedAfterDefault = framesDeleted;
                return true;
        }
        return CFrameWnd::OnWndMsg(message, wParam, lParam, result);
    }
};

class FrameWindow : public ::testing::Test {
protected:
    static constexpr const char* kClass = "Framework Test Frame";
    void SetUp() override {
        const WNDCLASSA windowClass{0, AfxGetAfxWndProc(), 0, 0, AfxGetInstanceHandle(), {}, {}, {}, {}, kClass};
        ASSERT_TRUE(RegisterClassA(&windowClass));
    }
    void TearDown() override {
        if (const HWND left = FindWindowA(kClass, nullptr)) DestroyWindow(left);  // after a failure
        UnregisterClassA(kClass, AfxGetInstanceHandle());
    }
};

// Destroyed from outside, closing itself through nested messages (deleted after the
// outermost), or its object deleted first: window and object end together, once. A
// wrapper that merely names the window leaves it alone.
TEST_F(FrameWindow, AHiddenFrameAndItsWindowEndTogetherOnce) {
    for (const int end : {0, 1, 2}) {  // DestroyWindow, WM_APP, delete
        framesDeleted = 0;
        deletedAfterDefault = deletedAfterNestedClose = -1;
        auto* frame = new CountedFrame;
        ASSERT_TRUE(frame->Create(kClass, ""));
        const HWND window = FindWindowA(kClass, nullptr);
        EXPECT_EQ(window, frame->m_hWnd);
        EXPECT_FALSE(IsWindowVisible(window));
        std::make_unique<CWnd>()->m_hWnd = window;
        if (end == 0) frame->DestroyWindow();
        if (end == 1) SendMessageA(window, WM_APP, 0, 0);
        if (end == 2) delete frame;
        EXPECT_EQ(deletedAfterDefault, end == 1 ? 0 : -1);
        EXPECT_EQ(deletedAfterNestedClose, end == 1 ? 0 : -1);
        EXPECT_EQ(framesDeleted, 1) << end;
        EXPECT_FALSE(IsWindow(window)) << end;
        if (IsWindow(window)) SetWindowLongPtrA(window, GWLP_USERDATA, 0);  // no message for a freed object
    }
}

TEST_F(FrameWindow, AFrameEndingDuringItsCreationStaysTheCallers) {
    for (const bool destroyInCreate : {false, true}) {
        framesDeleted = 0;
        auto* frame = new CountedFrame;
        frame->createResult = destroyInCreate ? 0 : -1;
        frame->destroyInCreate = destroyInCreate;
        EXPECT_FALSE(frame->Create(kClass, ""));
        ASSERT_EQ(framesDeleted, 0) << destroyInCreate;
        EXPECT_EQ(frame->m_hWnd, nullptr);
        delete frame;
        EXPECT_EQ(framesDeleted, 1);
    }
    EXPECT_EQ(FindWindowA(kClass, nullptr), nullptr);
}

}  // namespace
