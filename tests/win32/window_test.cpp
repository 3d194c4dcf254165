// Windows: the frame, what the host window looks like, and resizing.
#include "recording_window.h"

#include "../../port/src/hosts/desktop/sdl_window.h"

#include <SDL.h>
#include <gtest/gtest.h>

namespace {

class Window : public ::testing::Test {
  protected:
    void SetUp() override {
        window = OpenRecordingWindow();
        ASSERT_NE(window, (HWND)NULL);
        host = SdlWindowOf(window);
        ASSERT_NE(host, nullptr);
    }
    void TearDown() override {
        DestroyWindow(window);
        DrainMessages();
        g_receivedMessages.clear();
    }

    HWND window = NULL;
    SDL_Window* host = nullptr;
};

TEST(WindowFrame, AdjustingTheClientAreaGivesTheOuterSize) {
    RECT rect = {0, 0, 624, 441};
    ASSERT_TRUE(AdjustWindowRect(&rect, WS_OVERLAPPEDWINDOW, FALSE));
    EXPECT_EQ(rect.left, -8);
    EXPECT_EQ(rect.top, -31);
    EXPECT_EQ(rect.right - rect.left, 640);
    EXPECT_EQ(rect.bottom - rect.top, 480);
}

TEST_F(Window, OuterSizeLessTheFrameIsTheClientArea) {
    RECT client;
    ASSERT_TRUE(GetClientRect(window, &client));
    EXPECT_EQ(client.left, 0);
    EXPECT_EQ(client.top, 0);
    EXPECT_EQ(client.right, 624);
    EXPECT_EQ(client.bottom, 441);
    int x = 0;
    int y = 0;
    SDL_GetWindowPosition(host, &x, &y);
    EXPECT_EQ(x, 108);
    EXPECT_EQ(y, 131);
    EXPECT_STREQ(SDL_GetWindowTitle(host), "recording window");
}

TEST_F(Window, IsAnOpenGlWindowHiddenUntilShown) {
    const Uint32 flags = SDL_GetWindowFlags(host);
    EXPECT_TRUE(flags & SDL_WINDOW_OPENGL);
    EXPECT_TRUE(flags & SDL_WINDOW_RESIZABLE);
    EXPECT_FALSE(flags & SDL_WINDOW_SHOWN);

    EXPECT_FALSE(ShowWindow(window, SW_SHOWDEFAULT));
    EXPECT_TRUE(SDL_GetWindowFlags(host) & SDL_WINDOW_SHOWN);
    EXPECT_TRUE(ShowWindow(window, SW_HIDE));
    EXPECT_FALSE(SDL_GetWindowFlags(host) & SDL_WINDOW_SHOWN);
}

TEST_F(Window, ResizingPostsTheNewClientSize) {
    ShowWindow(window, SW_SHOWNORMAL);
    DrainMessages();
    SDL_SetWindowSize(host, 400, 300);

    // The new size comes back from the X server; give it up to five seconds.
    MSG msg = {};
    for (int wait = 0; wait < 500 && !(msg.message == WM_SIZE && LOWORD(msg.lParam) == 400);) {
        if (!PeekMessageA(&msg, window, WM_SIZE, WM_SIZE, PM_REMOVE)) {
            SDL_Delay(10);
            ++wait;
        }
    }
    ASSERT_EQ(msg.message, (UINT)WM_SIZE);
    EXPECT_EQ(LOWORD(msg.lParam), 400);
    EXPECT_EQ(msg.wParam, (WPARAM)SIZE_RESTORED);
    EXPECT_EQ(HIWORD(msg.lParam), 300);
    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 400);
    EXPECT_EQ(client.bottom, 300);
}

TEST(WindowClass, NamesAreUniqueWithoutRegardToCase) {
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof(WNDCLASSEXA);
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.lpszClassName = "TwiceRegistered";
    EXPECT_NE(RegisterClassExA(&windowClass), 0);
    windowClass.lpszClassName = "twiceregistered";
    EXPECT_EQ(RegisterClassExA(&windowClass), 0);
    EXPECT_EQ(CreateWindowExA(0, "NeverRegistered", "", WS_OVERLAPPEDWINDOW, 0, 0, 640, 480, NULL,
                              NULL, NULL, NULL),
              (HWND)NULL);
}

} // namespace
