#include <gtest/gtest.h>

#include "dialogs/language_list.h"
#include "res/messages.h"

namespace {

TEST(LanguageList, OffersEnglishSpanishFrenchInThatOrder) {
    EXPECT_EQ(LanguageAtListPosition(0), English);
    EXPECT_EQ(LanguageAtListPosition(1), Spanish);
    EXPECT_EQ(LanguageAtListPosition(2), French);
    for (int32_t language : {English, Spanish, French})
        EXPECT_EQ(LanguageAtListPosition(ListPositionOfLanguage(language)), language);
}

TEST(LanguageList, NoSelectionOrAPositionPastTheListMeansEnglish) {
    EXPECT_EQ(LanguageAtListPosition(-1), English);
    EXPECT_EQ(LanguageAtListPosition(3), English);
}

TEST(LanguageList, GermanItalianDutchAndStrayValuesAreNotListed) {
    for (int32_t language : {int32_t(German), int32_t(Italian), int32_t(Dutch), -1, 6})
        EXPECT_EQ(ListPositionOfLanguage(language), -1) << language;
}

}  // namespace
