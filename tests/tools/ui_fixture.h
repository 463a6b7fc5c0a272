#pragma once
// What the UI driver's tests expect of ui_fixture.exe.
constexpr const char* kFixtureClass = "QuimboUiFixture";
constexpr const char* kFixtureTitle = "UI fixture";
enum FixtureControl : int {
    kLanguageCombo = 101,  // English, Spanish, French; Spanish selected
    kSelectionLabel,       // the item last announced by CBN_SELCHANGE
    kSoundCheck,           // auto check box, checked
    kDisabledButton,
    kHiddenButton,
    kAskButton,            // asks "Keep the changes?" in a Yes/No/Cancel box
    kAnswerLabel,          // "yes", "no" or "cancel"; the exit code is the last answer
    kSystemLabel,          // "<system language id, 4 hex digits> <LC_ALL of the environment>"
};
