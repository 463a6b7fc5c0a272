#pragma once
// Every text the user sees is a message picked by the current LanguageIndex. All six
// languages share one string table: a language is a block of ids, and a message sits
// at its offset in the block. The French block is shorter: its last six messages
// stand two ids lower. This is the one place that turns a message into an id.
#include <cstdint>

#include "state/language.h"

// A message is its offset in a language's block, not a string id: a type of its own, so
// that it cannot be handed to LoadString or taken for an id without StringIdFor.
enum class Message : int {};
constexpr Message IDS_TITLE{0};
constexpr Message IDS_VIDEO_OPTIONS{1};
constexpr Message IDS_RENDERER{2};
constexpr Message IDS_RESOLUTION{3};
constexpr Message IDS_WINDOWED{4};
constexpr Message IDS_FULLSCREEN{5};
constexpr Message IDS_PLAY{6};
constexpr Message IDS_INSTALL{8};
constexpr Message IDS_MANUAL{9};
constexpr Message IDS_SETTINGS{11};
constexpr Message IDS_QUIT{12};
constexpr Message IDS_README{13};
constexpr Message IDS_README_FILE{14};
constexpr Message IDS_INSERT_CD{18};
constexpr Message IDS_UNNAMED_FOLDER{19};  // %1 stands for the folder
constexpr Message IDS_ASK_INSTALL_ACROBAT{22};
constexpr Message IDS_SOFT_FAST{23};
constexpr Message IDS_HARDWARE_3D{24};
constexpr Message IDS_SOFT_SLOW{25};
constexpr Message IDS_LANGUAGE{26};
constexpr Message IDS_SELECT_LANGUAGE{27};

constexpr int kFirstLanguageNameId = 308;  // "English" .. "Nederlands" in LanguageIndex order

// The string id of `message` in the language's block; 0 (no string) for an index
// outside 0..5.
unsigned StringIdFor(Message message, int32_t languageIndex);

// The id of a language's own name ("Français" for French) in every language.
unsigned LanguageNameId(int32_t languageIndex);
