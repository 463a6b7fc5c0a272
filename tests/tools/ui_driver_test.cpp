// The UI driver against ui_fixture.exe, a program of its own with known controls.
#include <gtest/gtest.h>

#include "tools/ui_driver/ui_driver.h"
#include "tests/tools/ui_fixture.h"

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

TEST_F(FixtureTest, ReadsTextsStatesAndComboItems) {
    Start();
    EXPECT_EQ(ui::Text(window), kFixtureTitle);
    EXPECT_EQ(ui::Text(control(kSoundCheck)), "Sound");
    EXPECT_TRUE(ui::IsChecked(control(kSoundCheck)));
    EXPECT_TRUE(ui::IsEnabled(control(kSoundCheck)));
    EXPECT_FALSE(ui::IsEnabled(control(kDisabledButton)));
    EXPECT_TRUE(ui::IsVisible(control(kDisabledButton)));
    EXPECT_FALSE(ui::IsVisible(control(kHiddenButton)));
    EXPECT_EQ(ui::ComboItems(control(kLanguageCombo)), (std::vector<std::string>{"English", "Spanish", "French"}));
    EXPECT_EQ(ui::ComboSelection(control(kLanguageCombo)), 1);
    EXPECT_EQ(ui::Control(window, 999), nullptr);
    EXPECT_EQ(ui::Text(nullptr), "");
}

TEST_F(FixtureTest, SelectingAComboItemNotifiesTheProgram) {
    Start();
    HWND combo = control(kLanguageCombo);
    ASSERT_TRUE(ui::SelectComboItem(combo, "French"));
    EXPECT_EQ(ui::ComboSelection(combo), 2);
    EXPECT_EQ(ui::Text(control(kSelectionLabel)), "French");
    ASSERT_TRUE(ui::SelectComboItem(combo, 0));
    EXPECT_EQ(ui::Text(control(kSelectionLabel)), "English");

    EXPECT_FALSE(ui::SelectComboItem(combo, 3));
    EXPECT_FALSE(ui::SelectComboItem(combo, -1));
    EXPECT_FALSE(ui::SelectComboItem(combo, "German"));
    EXPECT_EQ(ui::ComboSelection(combo), 0);
}

TEST_F(FixtureTest, ClicksOnlyWhatAUserCouldClick) {
    Start();
    ASSERT_TRUE(ui::Click(control(kSoundCheck)));
    EXPECT_TRUE(ui::WaitUntil([&] { return !ui::IsChecked(control(kSoundCheck)); }));
    EXPECT_FALSE(ui::Click(control(kDisabledButton)));
    EXPECT_FALSE(ui::Click(control(kHiddenButton)));
    EXPECT_FALSE(ui::Click(nullptr));
}

TEST_F(FixtureTest, AnswersAMessageBoxAndReadsTheExitCode) {
    Start();
    ASSERT_TRUE(ui::Click(control(kAskButton)));
    HWND box = ui::WaitForMessageBox(fixture.id());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(ui::Text(box), "Fixture question");
    EXPECT_EQ(ui::MessageBoxText(box), "Keep the changes?");
    EXPECT_FALSE(ui::Click(control(kSoundCheck))) << "the box's owner is disabled while it shows";

    ASSERT_TRUE(ui::PressDialogButton(box, IDNO));
    EXPECT_TRUE(ui::WaitForWindowGone(box));
    EXPECT_TRUE(ui::WaitUntil([&] { return ui::Text(control(kAnswerLabel)) == "no"; }));

    EXPECT_TRUE(ui::WindowOfClassExists(kFixtureClass));
    ASSERT_TRUE(ui::PostClose(window));
    EXPECT_EQ(fixture.WaitForExit(), std::optional<DWORD>(IDNO));
    EXPECT_FALSE(ui::WindowOfClassExists(kFixtureClass));
}

TEST_F(FixtureTest, EnvironmentAdditionsReachTheChildButNotItsSystemLanguage) {
    Start({"LC_ALL=de_CH.UTF-8"});
    char expected[32];
    std::snprintf(expected, sizeof expected, "%04X de_CH.UTF-8", GetSystemDefaultLangID());
    EXPECT_EQ(ui::Text(control(kSystemLabel)), expected);
}

TEST(ProcessTest, ReportsWhyAStartFailedAndWhatIsNotThere) {
    ui::Process missing;
    EXPECT_FALSE(missing.Start(ui::PathBesideThisProgram("no-such-program.exe"), ""));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_FILE_NOT_FOUND));
    EXPECT_FALSE(missing.IsRunning());
    EXPECT_EQ(missing.WaitForExit(0), std::nullopt);
    EXPECT_EQ(ui::WaitForTopLevelWindow(0, "No Such Window Class", nullptr, 50), nullptr);
    EXPECT_FALSE(ui::WindowOfClassExists("No Such Window Class"));
}

TEST(ProcessTest, AnEndedProcessIsNotRunningAndAnOpenedOneCanBeWaitedFor) {
    ui::Process fixture;
    ASSERT_TRUE(fixture.Start(ui::PathBesideThisProgram("ui_fixture.exe"), "ui_fixture.exe"));
    HWND window = ui::WaitForTopLevelWindow(fixture.id(), kFixtureClass);
    ASSERT_NE(window, nullptr);
    ui::Process opened;
    ASSERT_TRUE(opened.Open(ui::ProcessIdOf(window)));
    EXPECT_TRUE(opened.IsRunning());
    ASSERT_TRUE(ui::PostClose(window));
    EXPECT_EQ(opened.WaitForExit(), std::optional<DWORD>(0));
    EXPECT_FALSE(fixture.IsRunning());
}

}  // namespace
