#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <functional>
#include <string>
#include <thread>

#include "framework/win_app.h"
#include "launcher/launcher_dlg.h"
#include "launcher/state_steps.h"
#include "res/messages.h"
#include "res/resource.h"
#include "settings/config_file.h"
#include "state/launcher_state.h"
#include "tests/support/dialog_driver.h"
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

// What the user saw of the main dialog around one use of Settings.
struct SettingsRun {
    bool optionsShown = false;
    std::string playLabelAfter;
};

// Shows the main dialog, clicks Settings, lets `act` end the video options dialog,
// then reads and ends the main dialog. A missing window ends everything, so a fault
// fails the test instead of hanging it.
SettingsRun UseSettings(const std::function<void(HWND options)>& act) {
    ShownLauncherDlg dialog;
    CWinApp app;  // the main dialog owns the options dialog, as in the program
    app.m_pMainWnd = &dialog;
    SettingsRun run;
    const DWORD uiThread = GetCurrentThreadId();
    std::thread user([&] {
        const HWND main = ui::WaitForTopLevelWindow(GetCurrentProcessId(), "#32770");
        if (!main) {
            PostThreadMessageA(uiThread, WM_QUIT, 0, 0);
            return;
        }
        ui::Click(ui::Control(main, IDC_SETTINGS));
        // The options dialog is the other dialog of this process.
        if (const HWND options = ui::WaitForMessageBox(GetCurrentProcessId(), main)) {
            run.optionsShown = ui::Control(options, IDC_RENDERER_COMBO) != nullptr;
            act(options);
            if (!ui::WaitForWindowGone(options)) PostMessageA(options, WM_COMMAND, IDCANCEL, 0);
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
        gameConfig.gameInt2 = 57;
        gameConfig.keyCodes[0] = 0x48;
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

// Cancel and the close box reload the stored record, whatever was picked, even a
// stored or picked hardware renderer the machine lacks an accelerator for.
TEST_F(SettingsAction, CancelReloadsTheStoredRecord) {
    const struct {
        int32_t language, renderer, primaryAccelerated;
        int pick;  // renderer item
        bool closeBox;
        const char* playLabel;
    } cases[] = {
        {German, RenderSoftware24, 0, 0, false, "Start"}, {Spanish, RenderSoftware24, 0, 0, true, "Iniciar"},
        {English, RenderSoftware24, 1, 2, false, "Play"}, {English, RenderOpenGL, 0, 1, false, "Play"},
    };
    for (const auto& c : cases) {
        displayDevices[1].hardware3D = c.primaryAccelerated;
        const std::string stored = StoreRecord(c.language, c.renderer);
        const SettingsRun run = UseSettings([&](HWND options) {
            Select(options, IDC_RENDERER_COMBO, c.pick);
            if (c.closeBox) PostMessageA(options, WM_SYSCOMMAND, SC_CLOSE, 0);
            else Press(options, IDCANCEL);
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
        Press(options, IDOK);
    });
    ASSERT_TRUE(run.optionsShown);
    EXPECT_EQ(gameConfig.renderer, RenderSoftware8);
    EXPECT_EQ(gameConfig.screenWidth, 640);
    EXPECT_EQ(gameConfig.languageIndex, English);
    EXPECT_EQ(ReadBytes(kConfigPath), Memory());
    EXPECT_EQ(run.playLabelAfter, "Play");
}

}  // namespace

namespace {

// The same picture as a resource of this program: equal bits, whatever the handles.
bool ShowsPicture(HWND background, int pictureId) {
    const auto shown = reinterpret_cast<HBITMAP>(SendMessageA(background, STM_GETIMAGE, IMAGE_BITMAP, 0));
    const HBITMAP expected = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(pictureId));
    BITMAP a{}, b{};
    bool same = shown && expected && GetObjectA(shown, sizeof a, &a) && GetObjectA(expected, sizeof b, &b) &&
                a.bmWidthBytes * a.bmHeight == b.bmWidthBytes * b.bmHeight;
    if (same) {
        std::string bitsA(size_t(a.bmWidthBytes * a.bmHeight), '\0'), bitsB(bitsA.size(), '\0');
        same = GetBitmapBits(shown, LONG(bitsA.size()), bitsA.data()) && GetBitmapBits(expected, LONG(bitsB.size()), bitsB.data()) &&
               bitsA == bitsB;
    }
    if (expected) DeleteObject(expected);
    return same;
}

struct MainDialogLooks {
    int picture;
    const char *caption, *play, *settings, *readme, *quit;  // Windows-1252
};

// Each language's texts and titled scene (Italian shares the English one), and the
// program's icon behind the minimised dialog and its drag image.
TEST(MainDialog, TextsPictureAndIconFollowTheLanguage) {
    ScopedLauncherState state;
    std::strcpy(gameExePath, "C:\\Quimbo\\bin\\zorb.exe");  // installed: Play, and Settings enabled
    const MainDialogLooks looks[] = {
        {IDB_TITLE_ENGLISH, "Quimbo - Marivel", "Play", "Settings", "Read me", "Quit"},
        {IDB_TITLE_FRENCH, "Quimbo - Marivel", "Jouer", "Configuration", "Lisez-moi", "Quitter"},
        {IDB_TITLE_GERMAN, "Quimbo Marivel", "Start", "Konfiguration", "Lies mich", "Beenden"},
        {IDB_TITLE_SPANISH, "Quimbo Marivel", "Iniciar", "Configuraci\xF3n", "Leeme", "Salir"},
        {IDB_TITLE_ENGLISH, "Quimbo - Marivel", "Inizia", "Configurazione", "Leggimi", "Esci"},
        {IDB_TITLE_DUTCH, "Quimbo - Marivel", "Starten", "Configuratie", "Lees mij", "Afsluiten"}};
    for (int32_t language = English; language <= Dutch; ++language) {
        const MainDialogLooks& expected = looks[language];
        gameConfig.languageIndex = language;
        ShownLauncherDlg dialog;
        RunDialogAndAct(dialog, [&](HWND window) {
            EXPECT_TRUE(ShowsPicture(ui::Control(window, IDC_BACKGROUND), expected.picture)) << language;
            EXPECT_EQ(ui::Text(window), expected.caption);
            EXPECT_EQ(ui::Text(ui::Control(window, IDC_PLAY)), expected.play);
            EXPECT_EQ(ui::Text(ui::Control(window, IDC_SETTINGS)), expected.settings);
            EXPECT_EQ(ui::Text(ui::Control(window, IDC_README)), expected.readme);
            EXPECT_EQ(ui::Text(ui::Control(window, IDC_QUIT)), expected.quit);
            EXPECT_EQ(ui::Text(ui::Control(window, IDC_WEBSITE)), "www.quimbo-marivel.example");
            EXPECT_TRUE(ui::IsEnabled(ui::Control(window, IDC_SETTINGS)));
            EXPECT_FALSE(ui::IsVisible(ui::Control(window, IDC_MANUAL)));
            const HICON icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_APP));
            EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(window, WM_QUERYDRAGICON, 0, 0)), icon);
            PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
        });
    }
}

}  // namespace
