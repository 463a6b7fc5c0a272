#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "framework/cstring.h"
#include "framework/frame_wnd.h"
#include "framework/instance.h"
#include "framework/win_app.h"

namespace {

constexpr const char* kClassName = "Framework Test Frame";

int framesDeleted = 0;

struct CountedFrame : CFrameWnd {
    ~CountedFrame() override { ++framesDeleted; }
};

class FrameWindow : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = AfxGetAfxWndProc();
        windowClass.hInstance = AfxGetInstanceHandle();
        windowClass.lpszClassName = kClassName;
        ASSERT_NE(RegisterClassA(&windowClass), 0);
        framesDeleted = 0;
    }
    void TearDown() override { UnregisterClassA(kClassName, AfxGetInstanceHandle()); }
};

TEST_F(FrameWindow, AHiddenFrameIsFoundAndDeletesItselfWhenDestroyed) {
    auto* frame = new CountedFrame;
    ASSERT_TRUE(frame->Create(kClassName, "", WS_OVERLAPPEDWINDOW, CFrameWnd::rectDefault));
    const HWND window = FindWindowA(kClassName, nullptr);
    EXPECT_EQ(window, frame->m_hWnd);
    EXPECT_FALSE(IsWindowVisible(window));
    frame->DestroyWindow();
    EXPECT_EQ(framesDeleted, 1);
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(FrameWindow, AClassRoutingElsewhereIsRefused) {
    WNDCLASSA foreign = {};
    foreign.lpfnWndProc = DefWindowProcA;
    foreign.hInstance = AfxGetInstanceHandle();
    foreign.lpszClassName = "Framework Test Foreign";
    ASSERT_NE(RegisterClassA(&foreign), 0);
    CountedFrame frame;  // still the caller's after a failed Create
    EXPECT_FALSE(frame.Create(foreign.lpszClassName, ""));
    EXPECT_EQ(FindWindowA(foreign.lpszClassName, nullptr), nullptr);
    UnregisterClassA(foreign.lpszClassName, AfxGetInstanceHandle());
}

TEST_F(FrameWindow, AnUnregisteredClassFails) {
    CountedFrame frame;
    EXPECT_FALSE(frame.Create("Framework Test Nothing", ""));
    EXPECT_EQ(frame.m_hWnd, nullptr);
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

TEST(WinApp, InitInstanceFalseGoesStraightToExitInstance) {
    RecordingApp app;
    EXPECT_EQ(AfxGetApp(), &app);
    EXPECT_EQ(AfxWinMain(AfxGetInstanceHandle()), 5);
    EXPECT_EQ(app.calls, "init exit");
    EXPECT_EQ(app.m_hInstance, AfxGetInstanceHandle());
}

TEST(WinApp, InitInstanceTrueRunsTheMessageLoopFirst) {
    RecordingApp app;
    app.initResult = TRUE;
    EXPECT_EQ(AfxWinMain(AfxGetInstanceHandle()), 5);
    EXPECT_EQ(app.calls, "init exit");
}

TEST(WinApp, WithoutAnApplicationObjectWinMainFails) {
    { RecordingApp gone; }
    EXPECT_EQ(AfxGetApp(), nullptr);
    EXPECT_EQ(AfxGetMainWnd(), nullptr);
    EXPECT_NE(AfxWinMain(AfxGetInstanceHandle()), 0);
}

TEST(CStringFormat, FormatsWithoutAnyLengthLimit) {
    CString text;
    text.Format("%d X %d", 1024, 768);
    EXPECT_STREQ(text, "1024 X 768");
    const std::string longText(5000, 'a');
    text.Format("[%s]", longText.c_str());
    EXPECT_EQ(text.GetLength(), 5002);
    EXPECT_EQ(std::string(text), "[" + longText + "]");
}

TEST(CStringLoad, AMissingStringLeavesItEmpty) {
    CString text("before");
    EXPECT_FALSE(text.LoadString(4242));
    EXPECT_TRUE(text.IsEmpty());
    text = nullptr;
    EXPECT_STREQ(text, "");
}

}  // namespace
