#include <gtest/gtest.h>

#include <set>

#include "res/messages.h"

namespace {

// Each language's block holds every message at its offset, French's last six two ids
// lower, and no two texts of any language share an id.
TEST(StringIdFor, EveryMessageOfEveryLanguageHasItsOwnId) {
    const Message kMessages[] = {
        IDS_TITLE,         IDS_VIDEO_OPTIONS, IDS_RENDERER,    IDS_RESOLUTION, IDS_WINDOWED,
        IDS_FULLSCREEN,    IDS_PLAY,          IDS_INSTALL,     IDS_MANUAL,     IDS_SETTINGS,
        IDS_QUIT,          IDS_README,        IDS_README_FILE, IDS_INSERT_CD,  IDS_ASK_INSTALL_ACROBAT,
        IDS_SOFT_FAST,     IDS_HARDWARE_3D,   IDS_SOFT_SLOW,   IDS_LANGUAGE,   IDS_SELECT_LANGUAGE,
        IDS_UNNAMED_FOLDER};
    std::set<unsigned> ids;
    for (int32_t language = 0; language < kLanguageCount; ++language) {
        ids.insert(LanguageNameId(language));
        for (Message m : kMessages) {
            const int shift = language == French && m >= IDS_ASK_INSTALL_ACROBAT ? 2 : 0;
            EXPECT_EQ(StringIdFor(m, language), StringIdFor(IDS_TITLE, language) + m - shift) << language << " " << m;
            ids.insert(StringIdFor(m, language));
        }
    }
    EXPECT_EQ(ids.size(), kLanguageCount * (std::size(kMessages) + 1));
    EXPECT_EQ(StringIdFor(IDS_TITLE, -1) + StringIdFor(IDS_TITLE, kLanguageCount) + LanguageNameId(kLanguageCount), 0u);
}

}  // namespace
