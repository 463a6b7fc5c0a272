#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "framework/frame_wnd.h"
#include "framework/instance.h"
#include "framework/win_app.h"

namespace {

int framesDeleted = 0;

struct CountedFrame : CFrameWnd {
    ~CountedFrame() override { ++framesDeleted; }
};

TEST(FrameWindow, AHiddenFrameIsFoundAndDeletesItselfWhenDestroyed) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = AfxGetAfxWndProc();
    windowClass.hInstance = AfxGetInstanceHandle();
    windowClass.lpszClassName = "Framework Test Frame";
    ASSERT_TRUE(RegisterClassA(&windowClass));
    framesDeleted = 0;
    auto* frame = new CountedFrame;
    ASSERT_TRUE(frame->Create("Framework Test Frame", "", WS_OVERLAPPEDWINDOW, CFrameWnd::rectDefault));
    const HWND window = FindWindowA("Framework Test Frame", nullptr);
    EXPECT_EQ(window, frame->m_hWnd);
    EXPECT_FALSE(IsWindowVisible(window));
    frame->DestroyWindow();
    EXPECT_EQ(framesDeleted, 1);
    EXPECT_FALSE(IsWindow(window));
    UnregisterClassA("Framework Test Frame", AfxGetInstanceHandle());
}

struct RecordingApp : CWinApp {
    BOOL initResult = FALSE;
    std::string calls;
    BOOL InitInstance() override {
        calls += "init ";
        if (initResult) PostQuitMessage(0);  // ends Run's loop
        return initResult;
    }
    int ExitInstance() override {
        calls += "exit";
        return 5;
    }
};

TEST(WinApp, WinMainRunsInitInstanceThenExitInstanceAndFailsWithoutAnApplication) {
    for (BOOL initResult : {FALSE, TRUE}) {
        RecordingApp app;
        app.initResult = initResult;
        EXPECT_EQ(AfxGetApp(), &app);
        EXPECT_EQ(AfxWinMain(AfxGetInstanceHandle()), 5);
        EXPECT_EQ(app.calls, "init exit");
    }
    EXPECT_EQ(AfxGetApp(), nullptr);
    EXPECT_NE(AfxWinMain(AfxGetInstanceHandle()), 0);
}

}  // namespace
