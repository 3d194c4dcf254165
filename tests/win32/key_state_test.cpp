// The asynchronous key state follows the X server's keyboard, with no window focused.
#include <windows.h>

// Before Xlib, whose None macro would break gtest's own None.
#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace {

class KeyState : public ::testing::Test {
  protected:
    void SetUp() override {
        display = XOpenDisplay(nullptr);
        ASSERT_NE(display, nullptr) << "needs an X display";
    }
    void TearDown() override {
        if (display != nullptr) {
            XCloseDisplay(display);
        }
    }

    // Presses or releases the key as the keyboard would, and waits until the server has done so.
    void Press(KeySym keysym, bool down) {
        XTestFakeKeyEvent(display, XKeysymToKeycode(display, keysym), down ? True : False,
                          CurrentTime);
        XSync(display, False);
    }

    Display* display = nullptr;
};

TEST_F(KeyState, DownBitFollowsTheKeyAtTheMomentOfTheCall) {
    EXPECT_EQ(GetAsyncKeyState(VK_ESCAPE) & 0x8000, 0);
    Press(XK_Escape, true);
    EXPECT_NE(GetAsyncKeyState(VK_ESCAPE) & 0x8000, 0);
    EXPECT_EQ(GetAsyncKeyState(VK_SPACE) & 0x8000, 0);
    Press(XK_Escape, false);
    EXPECT_EQ(GetAsyncKeyState(VK_ESCAPE) & 0x8000, 0);
}

TEST_F(KeyState, LettersAndDigitsAreTheirUpperCaseCodes) {
    Press(XK_q, true);
    Press(XK_0, true);
    EXPECT_NE(GetAsyncKeyState('Q') & 0x8000, 0);
    EXPECT_NE(GetAsyncKeyState('0') & 0x8000, 0);
    EXPECT_EQ(GetAsyncKeyState('1') & 0x8000, 0);
    Press(XK_q, false);
    Press(XK_0, false);
    EXPECT_EQ(GetAsyncKeyState('Q') & 0x8000, 0);
}

} // namespace
