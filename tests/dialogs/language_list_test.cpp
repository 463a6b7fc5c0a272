#include "dialogs/language_list.h"

#include <gtest/gtest.h>

#include <tuple>

#include "state/language.h"

namespace {

TEST(LanguageList, OffersEnglishSpanishFrenchAndEnglishForAnythingElse) {
    for (int position = 0; position < kLanguageListSize; ++position)  // English, Spanish, French
        EXPECT_EQ(ListPositionOfLanguage(LanguageAtListPosition(position)), position);
    EXPECT_EQ(std::make_tuple(LanguageAtListPosition(1), LanguageAtListPosition(-1),
                              LanguageAtListPosition(kLanguageListSize)),
              std::make_tuple(int32_t(Spanish), int32_t(English), int32_t(English)));
    for (int32_t language : {int32_t(German), int32_t(Italian), int32_t(Dutch), -1, kLanguageCount})
        EXPECT_EQ(ListPositionOfLanguage(language), -1) << language;
}

}  // namespace
