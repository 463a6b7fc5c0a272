#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "dialogs/video_options_dlg_win.h"
#include "framework/win_app.h"
#include "harness/scripted_modes.h"
#include "harness/ui_driver/ui_driver.h"
#include "launcher/state_steps_win.h"
#include "res/localized_text.h"
#include "res/resource.h"
#include "settings/config_file.h"
#include "state/launcher_state.h"
#include "tests/launcher/shown_launcher_dlg.h"
#include "tests/support/dialog_driver.h"
#include "tests/support/temp_dir.h"

// Settings on the real main dialog: OnSettings runs the video options dialog and saves
// or reloads. Each test sets the process-wide state it reads.
namespace {

// What the user saw of the main dialog around one use of Settings.
struct SettingsRun {
    bool optionsShown = false;
    std::string playLabelAfter;
};

// Shows the main dialog, clicks Settings, lets `act` end the video options dialog,
// then reads and ends the main dialog. A dialog that never shows fails the test.
SettingsRun UseSettings(const DialogAction& act) {
    ShownLauncherDlg dialog;
    CWinApp app;  // the main dialog owns the options dialog, as in the program
    app.m_pMainWnd = &dialog;
    SettingsRun run;
    RunDialogAndAct(dialog, [&](HWND main) {
        ActWhenShown(videoOptionsDlg, [&](HWND options) {
            // Over the visible main dialog: no taskbar button of its own.
            run.optionsShown = ui::Control(options, IDC_RENDERER_COMBO) != nullptr &&
                               !(GetWindowLongPtrA(options, GWL_EXSTYLE) & WS_EX_APPWINDOW);
            act(options);
            ActWhenShown(dialog, [&](HWND mainAgain) {  // once the options dialog has ended
                run.playLabelAfter = ui::Text(ui::Control(mainAgain, IDC_PLAY));
                PostMessageA(mainAgain, WM_COMMAND, IDCANCEL, 0);
            });
        });
        ui::Click(ui::Control(main, IDC_SETTINGS));
    });
    return run;
}

void Select(HWND dialog, int comboId, int index) { ui::SelectComboItem(ui::Control(dialog, comboId), index); }

class SettingsAction : public ::testing::Test {
protected:
    void SetUp() override {
        Install();
        hardware3DAvailable = 0;
        displayDevices[1] = {};
        ScriptModes(displayDevices[1], {{640, 480, 16}, {800, 600, 16}, {1024, 768, 16}});
    }

    // Stores a record with the game's own fields set apart from the defaults, as the
    // game leaves them, and loads it the way start-up does.
    std::string StoreRecord(int32_t language, int32_t renderer) {
        const GameConfig previous = gameConfig;
        SetDefaultConfig();
        gameConfig.languageIndex = language;
        gameConfig.renderer = renderer;
        gameConfig.gameInt2 = 57;
        gameConfig.keyCodes[0] = 0x48;
        SaveConfig();
        gameConfig = previous;
        LoadConfig();
        return ReadBytes(kConfigPath);
    }

    static std::string Memory() { return std::string(reinterpret_cast<const char*>(&gameConfig), sizeof gameConfig); }

    ScopedInstallDir dir;
};

// Cancel and the close box reload the stored record, whatever was picked, even a
// stored or picked hardware renderer the machine lacks an accelerator for.
TEST_F(SettingsAction, CancelReloadsTheStoredRecord) {
    const struct {
        int32_t language, renderer, primaryAccelerated;
        int pick;  // renderer item
        bool closeBox;
        const char* playLabel;
    } cases[] = {
        {German, RenderSoftware24, 0, 0, false, "Start"},
        {Spanish, RenderSoftware24, 0, 0, true, "Iniciar"},
        {English, RenderSoftware24, 1, 2, false, "Play"},
        {English, RenderOpenGL, 0, 1, false, "Play"},
    };
    for (const auto& c : cases) {
        displayDevices[1].hardware3D = c.primaryAccelerated;
        const std::string stored = StoreRecord(c.language, c.renderer);
        const SettingsRun run = UseSettings([&](HWND options) {
            Select(options, IDC_RENDERER_COMBO, c.pick);
            if (c.closeBox) PostMessageA(options, WM_SYSCOMMAND, SC_CLOSE, 0);
            else ui::Click(ui::Control(options, IDCANCEL));
        });
        ASSERT_TRUE(run.optionsShown);
        EXPECT_EQ(Memory(), stored) << c.playLabel;
        EXPECT_EQ(ReadBytes(kConfigPath), stored) << c.playLabel;
        EXPECT_EQ(run.playLabelAfter, c.playLabel);
    }
}

// A stored German opens as English; OK saves that with the choices, and the main dialog turns English.
TEST_F(SettingsAction, OkWritesTheChoicesToTheConfigFile) {
    StoreRecord(German, RenderSoftware24);
    const SettingsRun run = UseSettings([](HWND options) {
        Select(options, IDC_RENDERER_COMBO, 0);
        ui::SelectComboItem(ui::Control(options, IDC_RESOLUTION_COMBO), "640 X 480");
        ui::Click(ui::Control(options, IDOK));
    });
    ASSERT_TRUE(run.optionsShown);
    EXPECT_EQ(std::tie(gameConfig.renderer, gameConfig.screenWidth, gameConfig.languageIndex, run.playLabelAfter),
              std::make_tuple(RenderSoftware8, 640, English, std::string("Play")));
    EXPECT_EQ(ReadBytes(kConfigPath), Memory());
}

}  // namespace
