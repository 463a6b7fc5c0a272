#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "framework/cstring.h"
#include "framework/frame_wnd.h"
#include "framework/instance.h"
#include "framework/win_app.h"

namespace {

int framesDeleted = 0;

struct CountedFrame : CFrameWnd {
    ~CountedFrame() override { ++framesDeleted; }
};

bool RegisterTestClass(const char* name, WNDPROC procedure) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = AfxGetInstanceHandle();
    windowClass.lpszClassName = name;
    return RegisterClassA(&windowClass) != 0;
}

TEST(FrameWindow, AHiddenFrameIsFoundAndDeletesItselfWhenDestroyed) {
    ASSERT_TRUE(RegisterTestClass("Framework Test Frame", AfxGetAfxWndProc()));
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

TEST(FrameWindow, AnUnregisteredClassOrOneRoutingElsewhereIsRefused) {
    ASSERT_TRUE(RegisterTestClass("Framework Test Foreign", DefWindowProcA));
    for (const char* className : {"Framework Test Foreign", "Framework Test Nothing"}) {
        CountedFrame frame;  // still the caller's after a failed Create
        EXPECT_FALSE(frame.Create(className, "")) << className;
        EXPECT_EQ(frame.m_hWnd, nullptr) << className;
        EXPECT_EQ(FindWindowA(className, nullptr), nullptr) << className;
    }
    UnregisterClassA("Framework Test Foreign", AfxGetInstanceHandle());
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
        EXPECT_EQ(app.m_hInstance, AfxGetInstanceHandle());
    }
    EXPECT_EQ(AfxGetApp(), nullptr);
    EXPECT_NE(AfxWinMain(AfxGetInstanceHandle()), 0);
}

TEST(CString, FormatsWithoutALengthLimitAndAMissingStringLeavesItEmpty) {
    CString text;
    const std::string longText(5000, 'a');
    text.Format("%d X %d [%s]", 1024, 768, longText.c_str());
    EXPECT_EQ(std::string(text), "1024 X 768 [" + longText + "]");
    EXPECT_FALSE(text.LoadString(4242));
    EXPECT_TRUE(text.IsEmpty());
}

}  // namespace
