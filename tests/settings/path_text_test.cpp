#include <gtest/gtest.h>

#include "settings/path_text.h"
#include "tests/support/temp_dir.h"

namespace {

TEST(PathText, WritesWholeOrNotAtAll) {
    char buffer[8] = "keep";
    EXPECT_TRUE(JoinText(buffer, "abc", "defg"));  // 7 characters and the terminator
    EXPECT_STREQ(buffer, "abcdefg");
    EXPECT_FALSE(JoinText(buffer, "abc", "defgh"));
    EXPECT_FALSE(CopyText(buffer, "12345678"));
    EXPECT_STREQ(buffer, "abcdefg");
    EXPECT_FALSE(CopyText(buffer, 0, "x"));

    char path[16] = "E:\\cd";
    EXPECT_TRUE(JoinPath(path, path, "a.exe"));  // appends to itself with one separator
    EXPECT_STREQ(path, "E:\\cd\\a.exe");
    EXPECT_TRUE(JoinPath(path, "E:\\", "setup.exe"));
    EXPECT_STREQ(path, "E:\\setup.exe");
    EXPECT_FALSE(JoinPath(path, "E:\\cdrom12", "a.exe"));  // the separator leaves no room
    EXPECT_STREQ(path, "E:\\setup.exe");
    const char noFolder[1] = "";  // nothing before it may be read
    EXPECT_TRUE(JoinPath(path, noFolder, "a.exe"));
    EXPECT_STREQ(path, "\\a.exe");
}

TEST(PathText, OnlyAFileThatOpensIsThere) {
    ScopedInstallDir dir;
    WriteBytes("readme.txt", "");
    EXPECT_TRUE(FileOpensForReading("readme.txt"));
    EXPECT_FALSE(FileOpensForReading("missing.txt"));
}

}  // namespace
