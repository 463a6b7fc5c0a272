#include <windows.h>
#include <gtest/gtest.h>

#include "detect/opengl_probe_win.h"

namespace {

// A library that is missing or lacks the entry points is never called through.
TEST(RealOpenGlLibrary, MissingOrWithoutTheExportsIsIncomplete) {
    OpenGlLibrary missing("quimbo-no-such-library.dll");
    EXPECT_FALSE(missing.IsComplete());
    OpenGlLibrary withoutExports("kernel32.dll");
    EXPECT_FALSE(withoutExports.IsComplete());
    EXPECT_TRUE(OpenGlLibrary("opengl32.dll").IsComplete());
}

}  // namespace
