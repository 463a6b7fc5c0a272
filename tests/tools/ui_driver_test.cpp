// The UI driver against ui_fixture.exe, a program of its own with known controls.
#include <gtest/gtest.h>

#include "tests/tools/ui_fixture.h"
#include "tools/ui_driver/ui_driver.h"

namespace {

class FixtureTest : public ::testing::Test {
protected:
    void Start(const std::vector<std::string>& environmentAdditions = {}) {
        ASSERT_TRUE(fixture.Start(ui::PathBesideThisProgram("ui_fixture.exe"), "ui_fixture.exe", "",
                                  environmentAdditions));
        window = ui::WaitForTopLevelWindow(fixture.id(), kFixtureClass, kFixtureTitle);
        ASSERT_NE(window, nullptr);
    }
    HWND control(int id) const { return ui::Control(window, id); }

    ui::Process fixture;
    HWND window = nullptr;
};

TEST_F(FixtureTest, ReadsSelectsAndClicksOnlyWhatAUserCould) {
    Start();
    EXPECT_EQ(ui::Text(control(kSoundCheck)), "Sound");
    EXPECT_EQ(ui::ComboItems(control(kLanguageCombo)), (std::vector<std::string>{"English", "Spanish", "French"}));
    EXPECT_EQ(ui::ComboSelection(control(kLanguageCombo)), 1);
    ASSERT_TRUE(ui::SelectComboItem(control(kLanguageCombo), "French"));
    EXPECT_EQ(ui::Text(control(kSelectionLabel)), "French") << "the program was notified";
    EXPECT_FALSE(ui::SelectComboItem(control(kLanguageCombo), 3));
    EXPECT_FALSE(ui::SelectComboItem(control(kLanguageCombo), "German"));

    ASSERT_TRUE(ui::Click(control(kSoundCheck)));
    EXPECT_TRUE(ui::WaitUntil([&] { return !ui::IsChecked(control(kSoundCheck)); }));
    EXPECT_FALSE(ui::Click(control(kDisabledButton)));
    EXPECT_FALSE(ui::Click(control(kHiddenButton)));
}

TEST_F(FixtureTest, AnswersAMessageBoxAndReadsTheExitCode) {
    Start();
    ASSERT_TRUE(ui::Click(control(kAskButton)));
    HWND box = ui::WaitForMessageBox(fixture.id());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(ui::MessageBoxText(box), "Keep the changes?");
    EXPECT_FALSE(ui::Click(control(kSoundCheck))) << "the box's owner is disabled while it shows";
    ASSERT_TRUE(ui::PressDialogButton(box, IDNO));
    EXPECT_TRUE(ui::WaitUntil([&] { return ui::Text(control(kAnswerLabel)) == "no"; }));

    ui::Process opened;
    ASSERT_TRUE(opened.Open(ui::ProcessIdOf(window)));
    ASSERT_TRUE(ui::PostClose(window));
    EXPECT_EQ(opened.WaitForExit(), std::optional<DWORD>(IDNO));
    EXPECT_FALSE(fixture.IsRunning());
    EXPECT_FALSE(ui::WindowOfClassExists(kFixtureClass));
}

TEST_F(FixtureTest, EnvironmentAdditionsReachTheChildButNotItsSystemLanguage) {
    Start({"LC_ALL=de_CH.UTF-8"});
    char expected[32];
    std::snprintf(expected, sizeof expected, "%04X de_CH.UTF-8", GetSystemDefaultLangID());
    EXPECT_EQ(ui::Text(control(kSystemLabel)), expected);
}

TEST(ProcessTest, ReportsWhyAStartFailed) {
    ui::Process missing;
    EXPECT_FALSE(missing.Start(ui::PathBesideThisProgram("no-such-program.exe"), ""));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_FILE_NOT_FOUND));
    EXPECT_FALSE(missing.IsRunning());
}

}  // namespace
