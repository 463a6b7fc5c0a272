#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "settings/install_paths.h"

namespace {

// One backslash after the folder, whether it had one; the longest folder that still fits
// takes 246 characters, a backslash, "bin\zorb.exe" and the terminator.
TEST(InstallPaths, OneBackslashAndNothingThatDoesNotFit) {
    InstallPaths paths;
    for (const char* folder : {"C:\\Games\\Quimbo", "C:\\Games\\Quimbo\\"}) {
        ASSERT_TRUE(MakeInstallPaths(folder, paths));
        EXPECT_EQ(std::string(paths.installDir) + "|" + paths.gameExePath + "|" + paths.rootExePath,
                  "C:\\Games\\Quimbo\\|C:\\Games\\Quimbo\\bin\\zorb.exe|C:\\Games\\Quimbo\\Quimbo.exe");
    }
    const std::string longest = "C:\\" + std::string(243, 'q');
    ASSERT_TRUE(MakeInstallPaths(longest.c_str(), paths));
    EXPECT_EQ(std::strlen(paths.gameExePath), size_t(kMaxPath - 1));
    EXPECT_TRUE(MakeInstallPaths((longest + "\\").c_str(), paths));
    for (size_t extra : {1u, 14u, 300u})
        EXPECT_FALSE(MakeInstallPaths((longest + std::string(extra, 'x')).c_str(), paths)) << extra;
}

}  // namespace
