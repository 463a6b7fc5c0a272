#include <gtest/gtest.h>

#include "res/messages.h"

namespace {

TEST(StringIdFor, PicksTheLanguageBlockWithTheShorterFrenchTail) {
    EXPECT_EQ(StringIdFor(IDS_TITLE, English), 160u);
    EXPECT_EQ(StringIdFor(IDS_TITLE, French), 102u);
    EXPECT_EQ(StringIdFor(IDS_TITLE, German), 280u);
    EXPECT_EQ(StringIdFor(IDS_TITLE, Spanish), 190u);
    EXPECT_EQ(StringIdFor(IDS_TITLE, Italian), 220u);
    EXPECT_EQ(StringIdFor(IDS_TITLE, Dutch), 250u);
    EXPECT_EQ(StringIdFor(IDS_INSERT_CD, French), 120u);
    EXPECT_EQ(StringIdFor(IDS_ASK_INSTALL_ACROBAT, French), 122u);
    EXPECT_EQ(StringIdFor(IDS_SELECT_LANGUAGE, French), 127u);
    EXPECT_EQ(StringIdFor(IDS_SELECT_LANGUAGE, English), 187u);
    EXPECT_EQ(StringIdFor(IDS_SELECT_LANGUAGE, German), 307u);
    EXPECT_EQ(StringIdFor(IDS_HARDWARE_3D, Dutch), 274u);
}

TEST(StringIdFor, OutOfRangeLanguagesHaveNoString) {
    EXPECT_EQ(StringIdFor(IDS_TITLE, -1), 0u);
    EXPECT_EQ(StringIdFor(IDS_TITLE, 6), 0u);
    EXPECT_EQ(LanguageNameId(6), 0u);
    EXPECT_EQ(LanguageNameId(Spanish), 311u);
}

}  // namespace
