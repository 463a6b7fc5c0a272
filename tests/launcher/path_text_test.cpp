#include <gtest/gtest.h>

#include <string>

#include "settings/path_text.h"

namespace {

TEST(PathText, WritesWholeOrNotAtAll) {
    char buffer[8] = "keep";
    EXPECT_TRUE(JoinText(buffer, "abc", "defg"));  // 7 characters and the terminator
    EXPECT_STREQ(buffer, "abcdefg");
    EXPECT_FALSE(JoinText(buffer, "abc", "defgh"));
    EXPECT_STREQ(buffer, "abcdefg");
    EXPECT_FALSE(CopyText(buffer, "12345678"));
    EXPECT_TRUE(CopyText(buffer, ""));
    EXPECT_STREQ(buffer, "");
    EXPECT_FALSE(CopyText(buffer, 0, "x"));
}

TEST(PathText, AppendsToItself) {
    char buffer[16] = "C:\\Game\\";
    EXPECT_TRUE(JoinText(buffer, buffer, "bin"));
    EXPECT_STREQ(buffer, "C:\\Game\\bin");
}

}  // namespace

namespace {

TEST(PathText, JoinPathAddsOneSeparator) {
    char buffer[16];
    EXPECT_TRUE(JoinPath(buffer, "E:\\", "setup.exe"));
    EXPECT_STREQ(buffer, "E:\\setup.exe");
    EXPECT_TRUE(JoinPath(buffer, "E:\\cd", "a.exe"));
    EXPECT_STREQ(buffer, "E:\\cd\\a.exe");
    EXPECT_FALSE(JoinPath(buffer, "E:\\cdrom12", "a.exe"));  // the separator leaves no room
    EXPECT_STREQ(buffer, "E:\\cd\\a.exe");
}

}  // namespace
