#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "settings/install_paths.h"

namespace {

TEST(InstallPaths, BackslashIsAddedOnlyWhereMissing) {
    InstallPaths paths;
    ASSERT_TRUE(MakeInstallPaths("C:\\Games\\Quimbo", paths));
    EXPECT_STREQ(paths.installDir, "C:\\Games\\Quimbo\\");
    EXPECT_STREQ(paths.gameExePath, "C:\\Games\\Quimbo\\bin\\zorb.exe");
    EXPECT_STREQ(paths.rootExePath, "C:\\Games\\Quimbo\\Quimbo.exe");

    ASSERT_TRUE(MakeInstallPaths("D:\\Quimbo\\", paths));
    EXPECT_STREQ(paths.gameExePath, "D:\\Quimbo\\bin\\zorb.exe");
}

TEST(InstallPaths, PathsThatDoNotFitFailWithoutOverflow) {
    // The longest folder that still fits: 246 characters, a backslash, "bin\zorb.exe", the terminator.
    const std::string longest = "C:\\" + std::string(243, 'q');
    InstallPaths paths;
    ASSERT_TRUE(MakeInstallPaths(longest.c_str(), paths));
    EXPECT_EQ(std::strlen(paths.gameExePath), size_t(kMaxPath - 1));

    for (size_t extra : {1u, 14u, 300u})
        EXPECT_FALSE(MakeInstallPaths((longest + std::string(extra, 'x')).c_str(), paths)) << extra;
    const std::string withBackslash = longest + "\\";  // no second one is added: fits
    EXPECT_TRUE(MakeInstallPaths(withBackslash.c_str(), paths));
}

}  // namespace
