// The main loop on a real window of the stand-in, drawing through the recording device.
#include "direct3d_setup.h"
#include "recording_device.h"
#include "main_loop.h"
#include "window.h"

#include <gtest/gtest.h>

#include <algorithm>

// Xlib's macros (None, Bool...) clash with names in the test framework, so it comes last.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace {

class Loop : public ::testing::Test {
  protected:
    void SetUp() override {
        window = OpenMainWindow(GetModuleHandleA(NULL), SW_SHOWDEFAULT);
        ASSERT_NE(window, nullptr);
        platform.InstallDevice();
        platform.log.Name(window, "window");
    }
    void TearDown() override { DestroyWindow(window); }

    std::vector<std::string> Posted() const {
        std::vector<std::string> posted;
        for (const std::string& call : platform.log.Texts()) {
            if (call.rfind("PostMessageA(", 0) == 0) {
                posted.push_back(call);
            }
        }
        return posted;
    }

    long Frames() const {
        const std::vector<std::string> calls = platform.log.Texts();
        return std::count(calls.begin(), calls.end(), "Present(null, null, null, null)");
    }

    // Drains what opening the window queued, then starts counting calls afresh.
    void DrainAndForget() {
        MSG msg;
        while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
            DispatchMessageA(&msg);
        }
        platform.log.calls.clear();
    }

    RecordingPlatform platform;
    HWND window = NULL;
};

TEST_F(Loop, QuitAlreadyQueuedEndsItBeforeAnyFrame) {
    DrainAndForget();
    // A frame would end the loop with code 1, so a loop that draws one does not run on.
    platform.device.onPresent = [] { PostQuitMessage(1); };
    PostQuitMessage(7);
    EXPECT_EQ(RunMainLoop(window), 7);

    PostMessageA(window, WM_DESTROY, 0, 0); // answered with PostQuitMessage(0) in the same pass
    EXPECT_EQ(RunMainLoop(window), 0);

    // A WM_QUIT drained before other messages ends the loop once the pass has drained them all.
    PostMessageA(NULL, WM_QUIT, 5, 0);
    PostMessageA(window, WM_NULL, 0, 0);
    EXPECT_EQ(RunMainLoop(window), 5);
    MSG msg;
    EXPECT_FALSE(PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE));
    EXPECT_EQ(Frames(), 0);
}

TEST_F(Loop, MessagesPostedDuringAFrameAreHandledBeforeTheNext) {
    DrainAndForget();
    // Closing the window during frame 1 ends the loop in the next pass, before frame 2.
    platform.device.onPresent = [this] { PostMessageA(window, WM_CLOSE, 0, 0); };
    EXPECT_EQ(RunMainLoop(window), 0);
    EXPECT_EQ(Frames(), 1);
}

TEST_F(Loop, EscapeHeldDownEndsItOnceAfterTheFrameThatSawIt) {
    Display* display = XOpenDisplay(NULL);
    ASSERT_NE(display, nullptr);
    const KeyCode escape = XKeysymToKeycode(display, XK_Escape);
    DrainAndForget();

    // Pressed during frame 2 and held: frame 2's poll posts WM_DESTROY to the window (not WM_CLOSE,
    // and no quit of its own), which the next pass hands to the window procedure.
    long presents = 0;
    platform.device.onPresent = [&] {
        if (++presents == 2) {
            XTestFakeKeyEvent(display, escape, True, CurrentTime);
            XSync(display, False);
        }
        ASSERT_LE(presents, 2) << "Escape was not acted on";
    };
    EXPECT_EQ(RunMainLoop(window), 0);
    EXPECT_EQ(Frames(), 2);
    EXPECT_EQ(Posted(), std::vector<std::string>{"PostMessageA(window, WM_DESTROY, 0, 0)"});

    XTestFakeKeyEvent(display, escape, False, CurrentTime);
    XSync(display, False);
    XCloseDisplay(display);
}

} // namespace
