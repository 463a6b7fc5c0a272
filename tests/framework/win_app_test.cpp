// The wait of a thread that owns windows, under Wine.
#include <windows.h>
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "framework/win_app.h"

namespace {

// While it waits, what another thread sends to this thread's window is answered and what
// it posts stays queued; the time-out holds however many messages come.
TEST(WaitAnsweringSentMessages, AnswersWhatIsSentLeavesWhatIsPostedAndKeepsItsTimeOut) {
    HWND window = CreateWindowExA(0, "STATIC", nullptr, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    const HANDLE sent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    constexpr int kMessages = 40;
    std::atomic<int> answered{0};
    std::thread sender([&] {
        for (int i = 0; i < kMessages; ++i, Sleep(50)) {
            PostMessageA(window, WM_KEYDOWN, VK_SPACE, 0);
            DWORD_PTR result;
            answered += SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 1000, &result) != 0;
        }
        SetEvent(sent);
    });
    const DWORD start = GetTickCount();
    EXPECT_EQ(WaitAnsweringSentMessages(sent, 300), DWORD(WAIT_TIMEOUT));
    EXPECT_LT(GetTickCount() - start, 1500u);
    EXPECT_EQ(WaitAnsweringSentMessages(sent, INFINITE), WAIT_OBJECT_0);
    sender.join();
    EXPECT_EQ(answered.load(), kMessages);
    MSG key;
    int keys = 0;
    while (PeekMessageA(&key, window, WM_KEYDOWN, WM_KEYDOWN, PM_REMOVE)) ++keys;
    EXPECT_EQ(keys, kMessages);
    CloseHandle(sent);
    DestroyWindow(window);
}

}  // namespace
