// The runtime helpers and the working directory, used together as a program finds its own folder.
#include <windows.h>

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <string>

namespace {

TEST(Strcpy, CopiesWhatFitsAndEmptiesWithoutOverrunOtherwise) {
    char buffer[12];
    std::memset(buffer, '#', sizeof(buffer));
    EXPECT_EQ(strcpy_s(buffer, 8, "seven77"), 0);
    EXPECT_STREQ(buffer, "seven77");

    std::memset(buffer, '#', sizeof(buffer));
    EXPECT_EQ(strcpy_s(buffer, 8, "eight888"), ERANGE);
    EXPECT_EQ(buffer[0], '\0');
    EXPECT_EQ(std::string(buffer + 1, 11), std::string(11, '#'));

    EXPECT_NE(strcpy_s(buffer, 0, "x"), 0);
    EXPECT_NE(strcpy_s(buffer, 8, nullptr), 0);
    EXPECT_EQ(buffer[0], '\0');
}

TEST(ProgramPath, HasBackslashesAndItsFolderBecomesTheWorkingDirectory) {
    char* path = nullptr;
    ASSERT_EQ(_get_pgmptr(&path), 0);
    ASSERT_NE(path, nullptr);
    EXPECT_EQ(std::strchr(path, '/'), nullptr);
    const char* name = std::strrchr(path, '\\');
    ASSERT_NE(name, nullptr);
    EXPECT_STREQ(name, "\\win32_tests");

    char folder[MAX_PATH];
    ASSERT_EQ(strcpy_s(folder, MAX_PATH, path), 0);
    *std::strrchr(folder, '\\') = '\0';
    char previous[PATH_MAX];
    ASSERT_NE(getcwd(previous, sizeof(previous)), nullptr);
    ASSERT_EQ(chdir("/"), 0);

    EXPECT_TRUE(SetCurrentDirectoryA(folder));
    char now[PATH_MAX];
    ASSERT_NE(getcwd(now, sizeof(now)), nullptr);
    std::string expected = folder;
    std::replace(expected.begin(), expected.end(), '\\', '/');
    EXPECT_EQ(now, expected);

    EXPECT_FALSE(SetCurrentDirectoryA("\\no\\such\\folder"));
    ASSERT_EQ(chdir(previous), 0);
}

} // namespace
