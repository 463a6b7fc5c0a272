#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <functional>
#include <string>
#include <thread>

#include "framework/win_app.h"
#include "launcher/launcher_dlg.h"
#include "launcher/launcher_state.h"
#include "res/messages.h"
#include "res/resource.h"
#include "settings/game_config.h"
#include "tests/support/scoped_launcher_state.h"
#include "tests/support/temp_dir.h"
#include "tools/ui_driver/ui_driver.h"

// Settings on the real main dialog: its OnSettings runs the video options dialog and
// saves or reloads. The user works both dialogs from a second thread while this thread
// runs their modal loops.
namespace {

// The main dialog as shown after start-up, without detection and installation lookup.
class ShownLauncherDlg : public CLauncherDlg {
public:
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        LocalizeControls();
        return TRUE;
    }
};

struct ThreadWindowSearch {
    int controlId;
    HWND found;
};

BOOL CALLBACK MatchDialogWithControl(HWND window, LPARAM lParam) {
    auto& search = *reinterpret_cast<ThreadWindowSearch*>(lParam);
    if (!IsWindowVisible(window) || !GetDlgItem(window, search.controlId)) return TRUE;
    search.found = window;
    return FALSE;
}

// A shown dialog of `thread` that has the control `controlId`.
HWND WaitForDialogWith(DWORD thread, int controlId) {
    ThreadWindowSearch search{controlId, nullptr};
    ui::WaitUntil([&] {
        EnumThreadWindows(thread, MatchDialogWithControl, reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr;
    });
    return search.found;
}

// What the user saw of the main dialog around one use of Settings.
struct SettingsRun {
    bool optionsShown = false;
    bool mainDisabledWhileOpen = false;
    bool optionsClosed = false;
    std::string playLabelAfter;
};

// Shows the main dialog, clicks Settings, lets `act` work the video options dialog,
// then reads and ends the main dialog. A missing window ends everything, so a fault
// fails the test instead of hanging it.
SettingsRun UseSettings(const std::function<void(HWND options)>& act) {
    ShownLauncherDlg dialog;
    CWinApp app;  // the main dialog owns the options dialog, as in the program
    app.m_pMainWnd = &dialog;
    SettingsRun run;
    const DWORD uiThread = GetCurrentThreadId();
    std::thread user([&] {
        const HWND main = WaitForDialogWith(uiThread, IDC_SETTINGS);
        if (!main) {
            PostThreadMessageA(uiThread, WM_QUIT, 0, 0);
            return;
        }
        ui::Click(ui::Control(main, IDC_SETTINGS));
        if (const HWND options = WaitForDialogWith(uiThread, IDC_RENDERER_COMBO)) {
            run.optionsShown = true;
            run.mainDisabledWhileOpen = !ui::IsEnabled(main);
            act(options);
            run.optionsClosed = ui::WaitForWindowGone(options);
            if (!run.optionsClosed) PostMessageA(options, WM_COMMAND, IDCANCEL, 0);
        }
        ui::WaitUntil([&] { return ui::IsEnabled(main); });
        run.playLabelAfter = ui::Text(ui::Control(main, IDC_PLAY));
        PostMessageA(main, WM_COMMAND, IDCANCEL, 0);
    });
    dialog.DoModal();
    user.join();
    MSG quit;
    PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    return run;
}

void Press(HWND dialog, int id) { ui::Click(ui::Control(dialog, id)); }
void Select(HWND dialog, int comboId, int index) { ui::SelectComboItem(ui::Control(dialog, comboId), index); }

class SettingsAction : public ::testing::Test {
protected:
    void SetUp() override {
        std::strcpy(gameExePath, "C:\\Quimbo\\bin\\zorb.exe");  // installed: Settings is enabled
        hardware3DAvailable = 0;
        ScriptModes(1, {{640, 480, 16}, {800, 600, 16}, {1024, 768, 16}});
    }

    // Stores a record with the game's own fields set apart from the defaults, as the
    // game leaves them, and loads it the way start-up does.
    std::string StoreRecord(int32_t language, int32_t renderer) {
        const GameConfig previous = gameConfig;
        SetDefaultConfig();
        gameConfig.languageIndex = language;
        gameConfig.renderer = renderer;
        gameConfig.screenWidth = 800;
        gameConfig.screenHeight = 600;
        gameConfig.fullScreen = 1;
        gameConfig.gameInt2 = 57;
        gameConfig.keyCodes[0] = 0x48;
        std::memcpy(gameConfig.tail, "kept!!", 7);
        SaveConfig();
        gameConfig = previous;
        gameConfig.renderer = 0;  // as at start-up
        LoadConfig();
        return ReadBytes(kConfigPath);
    }

    static std::string Memory() { return std::string(reinterpret_cast<const char*>(&gameConfig), sizeof gameConfig); }

    ScopedLauncherState state;
    ScopedInstallDir dir;
};

TEST_F(SettingsAction, CancelReloadsTheStoredGermanAndTheMainDialogStaysGerman) {
    const std::string stored = StoreRecord(German, RenderSoftware24);
    const SettingsRun run = UseSettings([](HWND options) {
        Select(options, IDC_RENDERER_COMBO, 0);
        Press(options, IDCANCEL);
    });
    ASSERT_TRUE(run.optionsShown);
    EXPECT_TRUE(run.optionsClosed);
    EXPECT_TRUE(run.mainDisabledWhileOpen);
    EXPECT_EQ(gameConfig.languageIndex, German);
    EXPECT_EQ(gameConfig.renderer, RenderSoftware24);
    EXPECT_EQ(Memory(), stored);
    EXPECT_EQ(ReadBytes(kConfigPath), stored);
    EXPECT_EQ(run.playLabelAfter, "Start");
}

TEST_F(SettingsAction, OkKeepsEnglishSavesItAndTheMainDialogTurnsEnglish) {
    StoreRecord(German, RenderSoftware24);
    const SettingsRun run = UseSettings([](HWND options) { Press(options, IDOK); });
    ASSERT_TRUE(run.optionsShown);
    EXPECT_EQ(gameConfig.languageIndex, English);
    EXPECT_EQ(ReadBytes(kConfigPath), Memory());
    EXPECT_EQ(run.playLabelAfter, "Play");
}

TEST_F(SettingsAction, OkWritesTheChoicesToTheConfigFile) {
    SetDefaultConfig();
    ASSERT_FALSE(FileExists(kConfigPath));
    const SettingsRun run = UseSettings([](HWND options) {
        Select(options, IDC_RENDERER_COMBO, 0);
        ui::SelectComboItem(ui::Control(options, IDC_RESOLUTION_COMBO), "800 X 600");
        Select(options, IDC_LANGUAGE_COMBO, 2);
        Press(options, IDOK);
    });
    ASSERT_TRUE(run.optionsShown);
    const std::string file = ReadBytes(kConfigPath);
    ASSERT_EQ(file.size(), sizeof(GameConfig));
    GameConfig stored;
    std::memcpy(&stored, file.data(), sizeof stored);
    EXPECT_EQ(stored.renderer, RenderSoftware8);
    EXPECT_EQ(stored.screenWidth, 800);
    EXPECT_EQ(stored.screenHeight, 600);
    EXPECT_EQ(stored.fullScreen, 1);
    EXPECT_EQ(stored.languageIndex, French);
    EXPECT_EQ(run.playLabelAfter, "Jouer");
}

TEST_F(SettingsAction, TheCloseBoxReloadsAsCancelDoes) {
    const std::string stored = StoreRecord(Spanish, RenderSoftware24);
    const SettingsRun run = UseSettings([](HWND options) {
        Select(options, IDC_RENDERER_COMBO, 0);
        Press(options, IDC_WINDOWED);
        ui::WaitUntil([&] { return ui::IsChecked(ui::Control(options, IDC_WINDOWED)); });
        Select(options, IDC_LANGUAGE_COMBO, 0);
        PostMessageA(options, WM_SYSCOMMAND, SC_CLOSE, 0);
    });
    ASSERT_TRUE(run.optionsShown);
    EXPECT_EQ(Memory(), stored);
    EXPECT_EQ(ReadBytes(kConfigPath), stored);
    EXPECT_EQ(run.playLabelAfter, "Iniciar");
}

// An accelerated primary display offers the hardware renderer even when a second,
// plain device left no accelerator flagged. Cancel must not judge the pick.
TEST_F(SettingsAction, CancelAfterPickingTheHardwareRendererKeepsTheStoredRecord) {
    displayDevices[1].hardware3D = 1;
    const std::string stored = StoreRecord(English, RenderSoftware24);
    const SettingsRun run = UseSettings([](HWND options) {
        Select(options, IDC_RENDERER_COMBO, 2);
        Press(options, IDCANCEL);
    });
    ASSERT_TRUE(run.optionsShown);
    EXPECT_EQ(ReadBytes(kConfigPath), stored);
    EXPECT_EQ(Memory(), stored);
    EXPECT_EQ(gameConfig.gameInt2, 57);
}

// A stored hardware renderer loads on a machine without accelerator (start-up judges
// the file alone); cancelling Settings there must not reset it either, whether the
// list offers the hardware item (an accelerated primary beside a plain second device)
// or not.
TEST_F(SettingsAction, CancelKeepsAStoredHardwareRendererTheMachineLacks) {
    for (int32_t primaryAccelerated : {0, 1}) {
        displayDevices[1].hardware3D = primaryAccelerated;
        const std::string stored = StoreRecord(English, RenderOpenGL);
        ASSERT_EQ(gameConfig.renderer, RenderOpenGL);
        const SettingsRun run = UseSettings([](HWND options) { Press(options, IDCANCEL); });
        ASSERT_TRUE(run.optionsShown);
        EXPECT_EQ(ReadBytes(kConfigPath), stored) << primaryAccelerated;
        EXPECT_EQ(gameConfig.renderer, RenderOpenGL) << primaryAccelerated;
    }
}

}  // namespace
