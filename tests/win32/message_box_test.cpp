// Message boxes: shown on the display, dismissed by a key, and echoed to stderr.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

// Starts, in the background, a wait of up to five seconds for a window with this title, which
// then gets the key.
void PressKeyInWindowWhenShown(const std::string& title, const std::string& key) {
    const std::string command = "(for i in $(seq 50); do"
                                " w=$(xwininfo -root -tree | awk '/\"" +
                                title +
                                "\"/ {print $1; exit}');"
                                " if [ -n \"$w\" ]; then exec xdotool key --window \"$w\" " +
                                key + "; fi; sleep 0.1; done) >/dev/null 2>&1 &";
    ASSERT_EQ(std::system(command.c_str()), 0);
}

TEST(MessageBox, ReturnOrEscapeDismissesItAndTheTextGoesToStderrAsUtf8) {
    PressKeyInWindowWhenShown("Wide box", "Return");
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(MessageBoxW(NULL, L"B\u0142\u0105d \u0142adowania", L"Wide box", MB_ICONWARNING),
              IDOK);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "Wide box: B\xC5\x82\xC4\x85"
                                                        "d \xC5\x82"
                                                        "adowania\n");

    PressKeyInWindowWhenShown("Narrow box", "Escape");
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(MessageBoxA(NULL, "two\nlines", "Narrow box", MB_OK), IDOK);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "Narrow box: two lines\n");
}

} // namespace
