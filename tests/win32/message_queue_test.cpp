// The message queue: order, WM_QUIT last, filters, and the ways a window is closed.
#include "recording_window.h"

#include "../../port/src/hosts/desktop/sdl_window.h"

#include <SDL.h>
#include <gtest/gtest.h>

namespace {

class MessageQueue : public ::testing::Test {
  protected:
    void SetUp() override {
        DrainMessages();
        g_receivedMessages.clear();
        g_quitCodeOnDestroy = 0;
    }
    void TearDown() override { DrainMessages(); }
};

TEST_F(MessageQueue, EmptyQueueAnswersAtOnceAndLeavesTheRecord) {
    MSG msg = {};
    msg.message = WM_SIZE;
    EXPECT_FALSE(PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, (UINT)WM_SIZE);
}

TEST_F(MessageQueue, QuitComesAfterEveryPostedMessageAndOnlyOnce) {
    PostQuitMessage(7);
    ASSERT_TRUE(PostMessageA(NULL, WM_KEYDOWN, VK_ESCAPE, 0));
    ASSERT_TRUE(PostMessageA(NULL, WM_KEYUP, VK_ESCAPE, 0));

    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, (UINT)WM_KEYDOWN);
    EXPECT_EQ(msg.wParam, (WPARAM)VK_ESCAPE);
    ASSERT_TRUE(PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, (UINT)WM_KEYUP);
    ASSERT_TRUE(PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, (UINT)WM_QUIT);
    EXPECT_EQ(msg.wParam, 7u);
    EXPECT_EQ(msg.hwnd, (HWND)NULL);
    EXPECT_FALSE(PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE));
}

TEST_F(MessageQueue, NoRemoveLeavesTheMessageAndFiltersSkipOthers) {
    PostMessageA(NULL, WM_SIZE, 0, 0);
    PostMessageA(NULL, WM_KEYDOWN, 0, 0);
    PostQuitMessage(0);

    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(msg.message, (UINT)WM_SIZE);
    ASSERT_TRUE(PeekMessageA(&msg, NULL, WM_KEYDOWN, WM_KEYUP, PM_REMOVE));
    EXPECT_EQ(msg.message, (UINT)WM_KEYDOWN);
    // The quit flag is not consumed by a look without removal.
    EXPECT_EQ(DrainMessages(), (std::vector<UINT>{WM_SIZE, WM_QUIT}));
}

TEST_F(MessageQueue, CloseMessageDestroysTheWindowAndQuits) {
    HWND window = OpenRecordingWindow();
    ASSERT_NE(window, (HWND)NULL);
    g_quitCodeOnDestroy = 3;
    ASSERT_TRUE(PostMessageA(window, WM_CLOSE, 0, 0));

    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, (UINT)WM_CLOSE);
    EXPECT_EQ(msg.hwnd, window);
    DispatchMessageA(&msg);
    // DefWindowProcA destroyed the window, which sent WM_DESTROY before DispatchMessageA returned.
    EXPECT_EQ(g_receivedMessages, (std::vector<UINT>{WM_CLOSE, WM_DESTROY}));
    EXPECT_EQ(SdlWindowOf(window), nullptr);

    ASSERT_TRUE(PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, (UINT)WM_QUIT);
    EXPECT_EQ(msg.wParam, 3u);
    DispatchMessageA(&msg);
    EXPECT_EQ(g_receivedMessages.size(), 2u);
    EXPECT_FALSE(PostMessageA(window, WM_CLOSE, 0, 0));
    EXPECT_FALSE(DestroyWindow(window));
}

TEST_F(MessageQueue, HostCloseRequestBecomesCloseMessage) {
    HWND window = OpenRecordingWindow();
    ASSERT_NE(window, (HWND)NULL);
    SDL_Event event = {};
    event.type = SDL_WINDOWEVENT;
    event.window.event = SDL_WINDOWEVENT_CLOSE;
    event.window.windowID = SDL_GetWindowID(SdlWindowOf(window));
    ASSERT_EQ(SDL_PushEvent(&event), 1);

    EXPECT_EQ(DrainMessages(), (std::vector<UINT>{WM_CLOSE, WM_QUIT}));
    EXPECT_EQ(g_receivedMessages, (std::vector<UINT>{WM_CLOSE, WM_DESTROY}));
}

TEST_F(MessageQueue, HostQuitRequestClosesEveryWindow) {
    HWND first = OpenRecordingWindow();
    HWND second = OpenRecordingWindow();
    ASSERT_NE(second, (HWND)NULL);
    SDL_Event event = {};
    event.type = SDL_QUIT;
    ASSERT_EQ(SDL_PushEvent(&event), 1);

    EXPECT_EQ(DrainMessages(), (std::vector<UINT>{WM_CLOSE, WM_CLOSE, WM_QUIT}));
    EXPECT_EQ(SdlWindowOf(first), nullptr);
    EXPECT_EQ(SdlWindowOf(second), nullptr);
}

} // namespace
