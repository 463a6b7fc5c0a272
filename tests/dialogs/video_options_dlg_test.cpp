#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "dialogs/video_options_dlg.h"
#include "dialogs/video_options_lists.h"
#include "launcher/launcher_state.h"
#include "res/messages.h"
#include "res/resource.h"
#include "tests/support/dialog_driver.h"
#include "tests/support/scoped_launcher_state.h"
#include "tools/ui_driver/ui_driver.h"

// The one video options dialog, built from its template over and over, with the
// device table scripted and worked as a user would.
namespace {

using Texts = std::vector<std::string>;

// What the user sees, and what the record holds while the dialog is open.
struct Shown {
    Texts renderers;
    int renderer = -2;
    Texts resolutions;
    std::vector<uint32_t> resolutionData;
    int resolution = -2;
    bool windowedEnabled = false;
    bool windowedChecked = false;
    bool fullscreenChecked = false;
    int language = -2;
    int32_t languageIndex = -2;
    int32_t rendererInRecord = -2;
};

Shown Read(HWND dialog) {
    Shown shown;
    const HWND renderers = ui::Control(dialog, IDC_RENDERER_COMBO);
    const HWND resolutions = ui::Control(dialog, IDC_RESOLUTION_COMBO);
    shown.renderers = ui::ComboItems(renderers);
    shown.renderer = ui::ComboSelection(renderers);
    shown.resolutions = ui::ComboItems(resolutions);
    for (size_t i = 0; i < shown.resolutions.size(); ++i)
        shown.resolutionData.push_back(uint32_t(SendMessageA(resolutions, CB_GETITEMDATA, i, 0)));
    shown.resolution = ui::ComboSelection(resolutions);
    shown.windowedEnabled = ui::IsEnabled(ui::Control(dialog, IDC_WINDOWED));
    shown.windowedChecked = ui::IsChecked(ui::Control(dialog, IDC_WINDOWED));
    shown.fullscreenChecked = ui::IsChecked(ui::Control(dialog, IDC_FULLSCREEN));
    shown.language = ui::ComboSelection(ui::Control(dialog, IDC_LANGUAGE_COMBO));
    shown.languageIndex = gameConfig.languageIndex;
    shown.rendererInRecord = gameConfig.renderer;
    return shown;
}

// Sent, not posted: the dialog runs on this thread, so the handler has run on return.
void ClickNow(HWND dialog, int id) { SendMessageA(ui::Control(dialog, id), BM_CLICK, 0, 0); }
void Press(HWND dialog, int id) { PostMessageA(ui::Control(dialog, id), BM_CLICK, 0, 0); }
bool Select(HWND dialog, int comboId, int index) { return ui::SelectComboItem(ui::Control(dialog, comboId), index); }

// The windowed list for this desktop, as the list logic decides it.
Texts WindowedTexts() {
    Texts texts;
    for (const ResolutionItem& item : WindowedResolutions(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)))
        texts.push_back(item.text);
    return texts;
}

const Texts kEnglishRenderers = {"Without 3D card for slow computers", "Without 3D card for fast computers"};
const Texts kEnglishRenderersWith3D = {"Without 3D card for slow computers", "Without 3D card for fast computers",
                                       "Using 3D card"};

class VideoOptionsDialog : public ::testing::Test {
protected:
    void SetUp() override {
        gameConfig = GameConfig{};
        gameConfig.configVersion = kConfigVersion;
        gameConfig.renderer = RenderSoftware24;
        gameConfig.languageIndex = English;
        gameConfig.screenWidth = 512;
        gameConfig.screenHeight = 384;
        gameConfig.fullScreen = 1;
        // A primary display as DirectDraw lists it: every depth, ascending.
        ScriptModes(1, {{320, 240, 8}, {320, 240, 16}, {512, 384, 8}, {640, 400, 16}, {640, 480, 16},
                        {640, 480, 32}, {800, 600, 16}, {1024, 768, 16}, {1024, 768, 32}, {1152, 864, 16},
                        {1280, 1024, 16}});
        // A second device's modes are never offered.
        ScriptModes(2, {{512, 384, 16}});
    }

    // Opens the dialog, reads it, then lets `act` end it.
    INT_PTR Run(Shown& shown, const std::function<void(HWND)>& act) {
        return RunDialogAndAct(videoOptionsDlg, [&](HWND dialog) {
            shown = Read(dialog);
            act(dialog);
        });
    }

    ScopedLauncherState state;
};

TEST_F(VideoOptionsDialog, WindowedListHoldsTheSizesSmallerThanTheDesktop) {
    gameConfig.fullScreen = 0;
    Shown shown;
    EXPECT_EQ(Run(shown, [](HWND d) { Press(d, IDCANCEL); }), IDCANCEL);

    const int desktopWidth = GetSystemMetrics(SM_CXSCREEN);
    const int desktopHeight = GetSystemMetrics(SM_CYSCREEN);
    const struct {
        int width, height;
        const char* text;
    } kSizes[] = {{320, 240, "320 X 240"}, {512, 384, "512 X 384"}, {640, 480, "640 X 480"},
                  {800, 600, "800 X 600"}, {1024, 768, "1024 X 768"}};
    Texts expected;
    std::vector<uint32_t> expectedData;
    for (const auto& size : kSizes) {
        if (size.width >= desktopWidth || size.height >= desktopHeight) continue;
        expected.push_back(size.text);
        expectedData.push_back(uint32_t(size.height) << 16 | uint32_t(size.width));
    }
    EXPECT_EQ(shown.resolutions, expected) << "desktop " << desktopWidth << "x" << desktopHeight;
    EXPECT_EQ(shown.resolutionData, expectedData);
    if (desktopWidth == 1024 && desktopHeight == 768) {
        EXPECT_EQ(shown.resolutions, (Texts{"320 X 240", "512 X 384", "640 X 480", "800 X 600"}));
    }
    EXPECT_TRUE(shown.windowedChecked);
    EXPECT_FALSE(shown.fullscreenChecked);
    EXPECT_EQ(shown.resolution, 1);  // the stored 512 x 384
}

TEST_F(VideoOptionsDialog, FullScreenListHoldsThePrimarys16BitModesOfTheFiveSizes) {
    gameConfig.screenWidth = 800;
    gameConfig.screenHeight = 600;
    Shown shown;
    EXPECT_EQ(Run(shown, [](HWND d) { Press(d, IDCANCEL); }), IDCANCEL);
    EXPECT_EQ(shown.resolutions, (Texts{"320 X 240", "640 X 480", "800 X 600", "1024 X 768"}));
    EXPECT_EQ(shown.resolutionData, (std::vector<uint32_t>{0x00F00140u, 0x01E00280u, 0x02580320u, 0x03000400u}));
    EXPECT_EQ(shown.resolution, 2);
    EXPECT_TRUE(shown.fullscreenChecked);
    EXPECT_TRUE(shown.windowedEnabled);
    EXPECT_EQ(shown.renderers, kEnglishRenderers);
    EXPECT_EQ(shown.renderer, 1);
}

TEST_F(VideoOptionsDialog, A3dfxBoardWithTheHardwareRendererForcesFullScreenBelow1024) {
    displayDevices[2].is3dfxDriver = 1;
    displayDevices[2].hardware3D = 1;
    gameConfig.renderer = RenderOpenGL;
    gameConfig.fullScreen = 0;
    Shown opened, software, windowed, hardwareAgain;
    EXPECT_EQ(Run(opened,
                  [&](HWND d) {
                      Select(d, IDC_RENDERER_COMBO, 0);
                      software = Read(d);
                      ClickNow(d, IDC_WINDOWED);
                      windowed = Read(d);
                      Select(d, IDC_RENDERER_COMBO, 2);
                      hardwareAgain = Read(d);
                      Press(d, IDOK);
                  }),
              IDOK);

    EXPECT_EQ(opened.renderers, kEnglishRenderersWith3D);
    EXPECT_EQ(opened.renderer, 2);
    EXPECT_FALSE(opened.windowedEnabled);
    EXPECT_FALSE(opened.windowedChecked);
    EXPECT_TRUE(opened.fullscreenChecked);
    EXPECT_EQ(opened.resolutions, (Texts{"320 X 240", "640 X 480", "800 X 600"}));

    // Software again: a window is allowed, but the full-screen choice stays.
    EXPECT_TRUE(software.windowedEnabled);
    EXPECT_FALSE(software.windowedChecked);
    EXPECT_TRUE(software.fullscreenChecked);
    EXPECT_EQ(software.resolutions, (Texts{"320 X 240", "640 X 480", "800 X 600", "1024 X 768"}));
    EXPECT_EQ(software.rendererInRecord, 0);

    EXPECT_TRUE(windowed.windowedChecked);
    EXPECT_FALSE(windowed.fullscreenChecked);
    EXPECT_EQ(windowed.resolutions, WindowedTexts());

    EXPECT_FALSE(hardwareAgain.windowedEnabled);
    EXPECT_FALSE(hardwareAgain.windowedChecked);
    EXPECT_TRUE(hardwareAgain.fullscreenChecked);
    EXPECT_EQ(hardwareAgain.rendererInRecord, RenderOpenGL);

    EXPECT_EQ(gameConfig.renderer, RenderOpenGL);
    EXPECT_EQ(gameConfig.fullScreen, 1);
    EXPECT_EQ(gameConfig.screenWidth, 320);
    EXPECT_EQ(gameConfig.screenHeight, 240);
}

TEST_F(VideoOptionsDialog, AStoredSizeTheListLacksSelectsTheFirstItemAndOkStoresIt) {
    gameConfig.screenWidth = 640;
    gameConfig.screenHeight = 400;  // a 16-bit mode of the device, but not a game size
    Shown shown;
    EXPECT_EQ(Run(shown, [](HWND d) { Press(d, IDOK); }), IDOK);
    EXPECT_EQ(shown.resolution, 0);
    EXPECT_EQ(gameConfig.screenWidth, 320);
    EXPECT_EQ(gameConfig.screenHeight, 240);
}

TEST_F(VideoOptionsDialog, AStoredOpenGlRendererWithout3DDeviceShowsTheSlowSoftwareItem) {
    gameConfig.renderer = RenderOpenGL;
    Shown shown;
    EXPECT_EQ(Run(shown, [](HWND d) { Press(d, IDCANCEL); }), IDCANCEL);
    EXPECT_EQ(shown.renderers, kEnglishRenderers);
    EXPECT_EQ(shown.renderer, 0);
    EXPECT_EQ(shown.rendererInRecord, RenderSoftware8);
}

TEST_F(VideoOptionsDialog, AStoredGermanOpensAsEnglishInGermanWords) {
    gameConfig.languageIndex = German;
    Shown shown;
    std::string group, label;
    EXPECT_EQ(Run(shown,
                  [&](HWND d) {
                      group = ui::Text(ui::Control(d, IDC_LANGUAGE_GROUP));
                      label = ui::Text(ui::Control(d, IDC_WINDOWED));
                      Press(d, IDCANCEL);
                  }),
              IDCANCEL);
    EXPECT_EQ(shown.language, 0);
    EXPECT_EQ(shown.languageIndex, English);
    // The texts are those of the language the record held as the dialog opened.
    EXPECT_EQ(group, "Sprache");
    EXPECT_EQ(label, "Fenster");
    EXPECT_EQ(gameConfig.languageIndex, English);  // Cancel alone takes nothing back

    gameConfig.languageIndex = German;
    EXPECT_EQ(Run(shown, [](HWND d) { Press(d, IDOK); }), IDOK);
    EXPECT_EQ(gameConfig.languageIndex, English);
}

TEST_F(VideoOptionsDialog, ItalianTextsWithTheEnglishCaption) {
    gameConfig.languageIndex = Italian;
    displayDevices[1].hardware3D = 1;
    std::vector<std::string> texts;
    Shown shown;
    EXPECT_EQ(Run(shown,
                  [&](HWND d) {
                      for (int id : {IDC_VIDEO_GROUP, IDC_RENDERER_LABEL, IDC_RESOLUTION_LABEL, IDC_WINDOWED,
                                     IDC_FULLSCREEN, IDC_LANGUAGE_GROUP, IDC_LANGUAGE_LABEL, IDOK, IDCANCEL})
                          texts.push_back(ui::Text(ui::Control(d, id)));
                      texts.push_back(ui::Text(d));
                      Press(d, IDCANCEL);
                  }),
              IDCANCEL);
    EXPECT_EQ(texts, (Texts{"Opzioni video", "Resa grafica", "Risoluzione", "In una finestra", "A tutto schermo",
                            "Lingua", "Seleziona la tua lingua.", "OK", "Cancel", "Quimbo - Marivel"}));
    EXPECT_EQ(shown.renderers, (Texts{"Senza scheda 3D per computer lenti", "Senza scheda 3D per computer rapidi",
                                      "Con scheda 3D"}));
}

// The German software texts are wider than the template's box; the opened list is not.
TEST_F(VideoOptionsDialog, TheRendererListOpensWideEnoughForGermanTexts) {
    for (int32_t language : {English, German}) {
        gameConfig.languageIndex = language;
        LRESULT droppedWidth = 0;
        RECT box = {};
        Shown shown;
        EXPECT_EQ(Run(shown,
                      [&](HWND d) {
                          const HWND combo = ui::Control(d, IDC_RENDERER_COMBO);
                          droppedWidth = SendMessageA(combo, CB_GETDROPPEDWIDTH, 0, 0);
                          GetWindowRect(combo, &box);
                          Press(d, IDCANCEL);
                      }),
                  IDCANCEL);
        if (language == German) {
            EXPECT_GT(droppedWidth, box.right - box.left);
        } else {
            EXPECT_EQ(droppedWidth, box.right - box.left);
        }
    }
}

TEST_F(VideoOptionsDialog, OkStoresEveryChoice) {
    Shown shown;
    EXPECT_EQ(Run(shown,
                  [](HWND d) {
                      Select(d, IDC_RENDERER_COMBO, 0);
                      ClickNow(d, IDC_WINDOWED);
                      ui::SelectComboItem(ui::Control(d, IDC_RESOLUTION_COMBO), "640 X 480");
                      Select(d, IDC_LANGUAGE_COMBO, 1);
                      Press(d, IDOK);
                  }),
              IDOK);
    EXPECT_EQ(gameConfig.renderer, RenderSoftware8);
    EXPECT_EQ(gameConfig.screenWidth, 640);
    EXPECT_EQ(gameConfig.screenHeight, 480);
    EXPECT_EQ(gameConfig.fullScreen, 0);
    EXPECT_EQ(gameConfig.languageIndex, Spanish);

    EXPECT_EQ(Run(shown,
                  [](HWND d) {
                      ClickNow(d, IDC_FULLSCREEN);
                      Select(d, IDC_LANGUAGE_COMBO, 2);
                      Press(d, IDOK);
                  }),
              IDOK);
    EXPECT_EQ(shown.language, 1);  // Spanish, as stored the first time
    EXPECT_EQ(gameConfig.fullScreen, 1);
    EXPECT_EQ(gameConfig.languageIndex, French);
    // Another window mode starts the new list from its first item.
    EXPECT_EQ(gameConfig.screenWidth, 320);
    EXPECT_EQ(gameConfig.screenHeight, 240);
}

TEST_F(VideoOptionsDialog, CloseBoxAndEscCancelWithoutTakingTheChoices) {
    const std::function<void(HWND)> closes[] = {
        [](HWND d) { PostMessageA(d, WM_SYSCOMMAND, SC_CLOSE, 0); },
        [](HWND d) { ui::PostClose(d); },
        [](HWND) { PressKey(VK_ESCAPE); },
    };
    for (const auto& close : closes) {
        gameConfig.screenWidth = 512;
        gameConfig.fullScreen = 1;
        gameConfig.languageIndex = French;
        Shown shown;
        EXPECT_EQ(Run(shown,
                      [&](HWND d) {
                          ClickNow(d, IDC_WINDOWED);
                          ui::SelectComboItem(ui::Control(d, IDC_RESOLUTION_COMBO), "640 X 480");
                          Select(d, IDC_LANGUAGE_COMBO, 0);
                          close(d);
                      }),
                  IDCANCEL);
        EXPECT_EQ(gameConfig.screenWidth, 512);
        EXPECT_EQ(gameConfig.fullScreen, 1);
        EXPECT_EQ(gameConfig.languageIndex, French);
    }
}

TEST_F(VideoOptionsDialog, OkWithAnEmptyListKeepsTheSize) {
    displayDevices[1].modeCount = 0;  // no mode for full screen at all
    gameConfig.screenWidth = 800;
    gameConfig.screenHeight = 600;
    Shown shown;
    EXPECT_EQ(Run(shown, [](HWND d) { Press(d, IDOK); }), IDOK);
    EXPECT_TRUE(shown.resolutions.empty());
    EXPECT_EQ(shown.resolution, CB_ERR);
    EXPECT_EQ(gameConfig.screenWidth, 800);
    EXPECT_EQ(gameConfig.screenHeight, 600);
    EXPECT_EQ(gameConfig.fullScreen, 1);
}

}  // namespace
