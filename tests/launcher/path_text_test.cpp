#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "settings/path_text.h"

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
}

TEST(PathText, AFileExistsWhenItOpensForReading) {
    const std::string path = ::testing::TempDir() + "quimbo-opens.txt";
    std::remove(path.c_str());
    EXPECT_FALSE(FileOpensForReading(path.c_str()));
    std::fclose(std::fopen(path.c_str(), "w"));
    EXPECT_TRUE(FileOpensForReading(path.c_str()));
    std::remove(path.c_str());
}

}  // namespace
