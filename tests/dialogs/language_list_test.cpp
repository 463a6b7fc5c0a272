#include <gtest/gtest.h>

#include "dialogs/language_list.h"
#include "res/messages.h"

namespace {

TEST(LanguageList, OffersEnglishSpanishFrenchAndEnglishForAnythingElse) {
    for (int32_t position : {0, 1, 2})
        EXPECT_EQ(ListPositionOfLanguage(LanguageAtListPosition(position)), position);
    EXPECT_EQ(LanguageAtListPosition(1), Spanish);
    EXPECT_EQ(LanguageAtListPosition(-1), English);
    EXPECT_EQ(LanguageAtListPosition(3), English);
    for (int32_t language : {int32_t(German), int32_t(Italian), int32_t(Dutch), -1, 6})
        EXPECT_EQ(ListPositionOfLanguage(language), -1) << language;
}

}  // namespace
