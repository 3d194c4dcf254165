// Text handed to the host: 8-bit and wide strings to UTF-8.
#include "../../port/src/win32/text.h"

#include <gtest/gtest.h>

namespace {

TEST(Text, WideTextIsEncodedAndBadCodePointsReplaced) {
    EXPECT_EQ(Utf8FromWide(L"B\u0142\u0105d \U0001F600"), "B\xC5\x82\xC4\x85"
                                                          "d \xF0\x9F\x98\x80");
    const wchar_t bad[] = {L'a', static_cast<wchar_t>(0xD800), static_cast<wchar_t>(0x110000), 0};
    EXPECT_EQ(Utf8FromWide(bad), "a\xEF\xBF\xBD\xEF\xBF\xBD");
}

TEST(Text, AnsiTextPassesAsUtf8AndStrayBytesAreReplaced) {
    EXPECT_EQ(Utf8FromAnsi("Info \xC5\x82\xF0\x9F\x98\x80"), "Info \xC5\x82\xF0\x9F\x98\x80");
    // Windows-1250 bytes, a cut-off sequence, an overlong '/' and an encoded surrogate.
    EXPECT_EQ(Utf8FromAnsi("B\xB3\xB9"
                           "d"),
              "B\xEF\xBF\xBD\xEF\xBF\xBD"
              "d");
    EXPECT_EQ(Utf8FromAnsi("\xE2\x82"), "\xEF\xBF\xBD\xEF\xBF\xBD");
    EXPECT_EQ(Utf8FromAnsi("\xC0\xAF"), "\xEF\xBF\xBD\xEF\xBF\xBD");
    EXPECT_EQ(Utf8FromAnsi("\xED\xA0\x80"), "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");
}

} // namespace
