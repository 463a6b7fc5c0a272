#pragma once
// Every text the user sees is a message picked by the current LanguageIndex. All six
// languages share one string table: a language is a block of ids, and a message sits
// at its offset in the block. The French block is shorter: its last six messages
// stand two ids lower. This is the one place that turns a message into an id.
#include <cstdint>

#include "state/language.h"

enum Message : int {
    IDS_TITLE = 0,
    IDS_VIDEO_OPTIONS = 1,
    IDS_RENDERER = 2,
    IDS_RESOLUTION = 3,
    IDS_WINDOWED = 4,
    IDS_FULLSCREEN = 5,
    IDS_PLAY = 6,
    IDS_INSTALL = 8,
    IDS_MANUAL = 9,
    IDS_SETTINGS = 11,
    IDS_QUIT = 12,
    IDS_README = 13,
    IDS_README_FILE = 14,
    IDS_INSERT_CD = 18,
    IDS_UNNAMED_FOLDER = 19,  // %1 stands for the folder
    IDS_ASK_INSTALL_ACROBAT = 22,
    IDS_SOFT_FAST = 23,
    IDS_HARDWARE_3D = 24,
    IDS_SOFT_SLOW = 25,
    IDS_LANGUAGE = 26,
    IDS_SELECT_LANGUAGE = 27,
};

constexpr int kFirstLanguageNameId = 308;  // "English" .. "Nederlands" in LanguageIndex order

// The string id of `message` in the language's block; 0 (no string) for an index
// outside 0..5.
unsigned StringIdFor(Message message, int32_t languageIndex);

// The id of a language's own name ("Français" for French) in every language.
unsigned LanguageNameId(int32_t languageIndex);
