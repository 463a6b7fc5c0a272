#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "res/localized_text.h"

namespace {

// The string table's layout: each block's first message, the last before French moves
// two ids down, the first so moved and the last; the language names after the blocks.
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
}

// No two texts of any language share an id, and no index outside 0..5 names one.
TEST(StringIdFor, EveryMessageOfEveryLanguageHasItsOwnId) {
    const Message kMessages[] = {
        IDS_TITLE,      IDS_VIDEO_OPTIONS, IDS_RENDERER,    IDS_RESOLUTION, IDS_WINDOWED,
        IDS_FULLSCREEN, IDS_PLAY,          IDS_INSTALL,     IDS_MANUAL,     IDS_SETTINGS,
        IDS_QUIT,       IDS_README,        IDS_README_FILE, IDS_INSERT_CD,  IDS_ASK_INSTALL_ACROBAT,
        IDS_SOFT_FAST,  IDS_HARDWARE_3D,   IDS_SOFT_SLOW,   IDS_LANGUAGE,   IDS_SELECT_LANGUAGE};
    std::set<unsigned> ids;
    for (int32_t language = 0; language < kLanguageCount; ++language) {
        ids.insert(LanguageNameId(language));
        for (Message m : kMessages) ids.insert(StringIdFor(m, language));
    }
    EXPECT_EQ(ids.size(), kLanguageCount * (std::size(kMessages) + 1));
    EXPECT_EQ(StringIdFor(IDS_TITLE, -1) + StringIdFor(IDS_TITLE, kLanguageCount) + LanguageNameId(kLanguageCount), 0u);
}

}  // namespace
