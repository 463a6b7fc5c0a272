#include <gtest/gtest.h>

#include <tuple>

#include "res/localized_text.h"

namespace {

// The string table's layout: each block's first message, the last before French moves
// two ids down, the first so moved and the last; the language names after the blocks;
// no id outside the six languages.
TEST(StringIdFor, MessagesStandAtTheTablesIds) {
    const struct {
        int32_t language;
        unsigned title, insertCd, askAcrobat, selectLanguage;
    } blocks[] = {{English, 160, 178, 182, 187}, {French, 102, 120, 122, 127},  {German, 280, 298, 302, 307},
                  {Spanish, 190, 208, 212, 217}, {Italian, 220, 238, 242, 247}, {Dutch, 250, 268, 272, 277}};
    for (const auto& b : blocks) {
        EXPECT_EQ(std::make_tuple(StringIdFor(IDS_TITLE, b.language), StringIdFor(IDS_INSERT_CD, b.language),
                                  StringIdFor(IDS_ASK_INSTALL_ACROBAT, b.language),
                                  StringIdFor(IDS_SELECT_LANGUAGE, b.language), LanguageNameId(b.language)),
                  std::make_tuple(b.title, b.insertCd, b.askAcrobat, b.selectLanguage, 308u + unsigned(b.language)));
    }
    EXPECT_EQ(StringIdFor(IDS_TITLE, -1) + StringIdFor(IDS_TITLE, kLanguageCount) + LanguageNameId(kLanguageCount), 0u);
}

}  // namespace
