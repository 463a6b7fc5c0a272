#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "dialogs/video_options_dlg_win.h"
#include "harness/scripted_modes.h"
#include "harness/ui_driver/ui_driver.h"
#include "res/localized_text_win.h"
#include "res/resource.h"
#include "tests/support/dialog_driver.h"

// The video options dialog built from its template, with the device table scripted
// and worked as a user would.
namespace {

using Texts = std::vector<std::string>;

// What the user sees.
struct Shown {
    Texts renderers, resolutions;
    int renderer, resolution, language;
    bool windowedEnabled, windowedChecked, fullscreenChecked;
    LONG rendererListWidth, widestRendererText;
};

// The widest renderer text as the combo's own font draws it.
LONG WidestText(HWND combo) {
    const HDC dc = GetDC(combo);
    const HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(combo, WM_GETFONT, 0, 0)));
    LONG widest = 0;
    SIZE size;
    for (const std::string& text : ui::ComboItems(combo)) {
        std::wstring wide(text.size(), L'\0');
        wide.resize(
            size_t(MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), wide.data(), int(wide.size()))));
        if (GetTextExtentPoint32W(dc, wide.c_str(), int(wide.size()), &size)) widest = std::max(widest, size.cx);
    }
    SelectObject(dc, previous);
    ReleaseDC(combo, dc);
    return widest;
}

Shown Read(HWND dialog) {
    const HWND renderers = ui::Control(dialog, IDC_RENDERER_COMBO);
    const HWND resolutions = ui::Control(dialog, IDC_RESOLUTION_COMBO);
    const HWND windowed = ui::Control(dialog, IDC_WINDOWED);
    // clang-format off
    return {ui::ComboItems(renderers), ui::ComboItems(resolutions), ui::ComboSelection(renderers),
            ui::ComboSelection(resolutions), ui::ComboSelection(ui::Control(dialog, IDC_LANGUAGE_COMBO)),
            ui::IsEnabled(windowed), ui::IsChecked(windowed), ui::IsChecked(ui::Control(dialog, IDC_FULLSCREEN)),
            LONG(SendMessageA(renderers, CB_GETDROPPEDWIDTH, 0, 0)), WidestText(renderers)};
    // clang-format on
}

const Texts kEnglishRenderers = {"Without 3D card for slow computers", "Without 3D card for fast computers"};

class VideoOptionsDialog : public ::testing::Test {
protected:
    void SetUp() override {
        config.renderer = RenderSoftware24;
        config.screenWidth = 800;
        config.screenHeight = 600;
        config.fullScreen = 1;
        // The primary display in every depth; a second device's modes are never offered.
        ScriptModes(devices[1], {{320, 240, 8}, {320, 240, 16}, {640, 480, 16}, {800, 600, 16}, {1024, 768, 16}});
        ScriptModes(devices[2], {{512, 384, 16}});
    }

    // Opens the dialog on the record and the table, lets `act` work it, reads it, then
    // ends it with `button`; the record then holds what the dialog handed back.
    Shown Run(int button, INT_PTR expected, const std::function<void(HWND)>& act = [](HWND) {}) {
        videoOptionsDlg.SetData(config, devices);
        Shown shown{};
        EXPECT_EQ(RunDialogAndAct(videoOptionsDlg,
                                  [&](HWND d) {
                                      act(d);
                                      shown = Read(d);
                                      PostMessageA(ui::Control(d, button), BM_CLICK, 0, 0);
                                  }),
                  expected);
        config = videoOptionsDlg.Config();
        return shown;
    }

    GameConfig config{};
    DisplayDeviceTable devices{};
};

TEST_F(VideoOptionsDialog, ListsFollowTheWindowModeAndTheStoredChoices) {
    Shown shown = Run(IDCANCEL, IDCANCEL);
    EXPECT_EQ(shown.resolutions, (Texts{"320 X 240", "640 X 480", "800 X 600", "1024 X 768"}));
    EXPECT_EQ(std::tie(shown.renderers, shown.renderer, shown.resolution, shown.fullscreenChecked),
              std::make_tuple(kEnglishRenderers, 1, 2, true));

    config.fullScreen = 0;
    shown = Run(IDCANCEL, IDCANCEL);
    if (GetSystemMetrics(SM_CXSCREEN) == 1024 && GetSystemMetrics(SM_CYSCREEN) == 768) {  // the test display
        EXPECT_EQ(shown.resolutions, (Texts{"320 X 240", "512 X 384", "640 X 480", "800 X 600"}));
    }
    EXPECT_TRUE(shown.windowedChecked);

    config.renderer = RenderOpenGL;  // no 3D device: the slow software item
    config.languageIndex = German;   // opens as English at once; Cancel takes nothing back
    shown = Run(IDCANCEL, IDCANCEL);
    EXPECT_GE(shown.rendererListWidth, shown.widestRendererText);  // German texts are wider than the box
    EXPECT_EQ(std::tie(shown.renderer, config.renderer, shown.language, config.languageIndex),
              std::make_tuple(0, RenderSoftware8, 0, English));
}

TEST_F(VideoOptionsDialog, WindowModeClicksRefillTheSizesAndOkStoresTheMode) {
    for (int click : {IDC_WINDOWED, IDC_FULLSCREEN}) {
        config.fullScreen = click == IDC_WINDOWED;  // opens in the other mode
        const Shown clicked = Run(IDOK, IDOK, [&](HWND d) { SendMessageA(ui::Control(d, click), BM_CLICK, 0, 0); });
        EXPECT_EQ(clicked.windowedChecked, click == IDC_WINDOWED);
        // 512 x 384 exists only on the second device, so only the windowed list has it.
        ASSERT_GE(clicked.resolutions.size(), 2u);
        EXPECT_EQ(clicked.resolutions[1], click == IDC_WINDOWED ? "512 X 384" : "640 X 480");
        EXPECT_EQ(config.fullScreen, click == IDC_FULLSCREEN ? 1 : 0);
    }
}

// The texts in the stored language; the caption is the English title in every language.
TEST_F(VideoOptionsDialog, TextsInTheStoredLanguageUnderTheEnglishTitle) {
    const std::pair<int, Message> labels[] = {
        {IDC_VIDEO_GROUP, IDS_VIDEO_OPTIONS},     {IDC_RENDERER_LABEL, IDS_RENDERER},
        {IDC_RESOLUTION_LABEL, IDS_RESOLUTION},   {IDC_WINDOWED, IDS_WINDOWED},
        {IDC_FULLSCREEN, IDS_FULLSCREEN},         {IDC_LANGUAGE_GROUP, IDS_LANGUAGE},
        {IDC_LANGUAGE_LABEL, IDS_SELECT_LANGUAGE}};
    for (int32_t language = English; language <= Dutch; ++language) {
        config.languageIndex = language;
        const Shown shown = Run(IDCANCEL, IDCANCEL, [&](HWND d) {
            EXPECT_EQ(ui::Text(d), "Quimbo - Marivel") << language;
            for (const auto& [id, message] : labels)
                EXPECT_EQ(ui::Text(ui::Control(d, id)), ui::Utf8(std::wstring(LoadMessage(message, language)))) << id;
        });
        ASSERT_FALSE(shown.renderers.empty());
        EXPECT_EQ(shown.renderers.front(), ui::Utf8(std::wstring(LoadMessage(IDS_SOFT_SLOW, language))));
    }
}

TEST_F(VideoOptionsDialog, A3dfxBoardWithTheHardwareRendererForcesFullScreenBelow1024) {
    devices[2].is3dfxDriver = 1;
    devices[2].hardware3D = 1;
    config.renderer = RenderOpenGL;
    config.fullScreen = 0;
    Shown opened{};
    const Shown software = Run(IDCANCEL, IDCANCEL, [&](HWND d) {
        opened = Read(d);
        ui::SelectComboItem(ui::Control(d, IDC_RENDERER_COMBO), 0);
    });
    EXPECT_EQ(std::tie(opened.renderer, opened.windowedEnabled, opened.windowedChecked, opened.fullscreenChecked),
              std::make_tuple(2, false, false, true));
    EXPECT_EQ(opened.resolutions, (Texts{"320 X 240", "640 X 480", "800 X 600"}));
    // Software again: a window is allowed, but the full-screen choice stays.
    EXPECT_EQ(std::tie(software.windowedEnabled, software.fullscreenChecked), std::make_tuple(true, true));
    EXPECT_EQ(software.resolutions.back(), "1024 X 768");
}

TEST_F(VideoOptionsDialog, OkTakesTheFirstItemForAStoredSizeTheListLacksAndKeepsItWithNoList) {
    config.screenHeight = 400;  // 800 x 400: not a game size
    EXPECT_EQ(Run(IDOK, IDOK).resolution, 0);
    EXPECT_EQ(config.screenWidth * 1000 + config.screenHeight, 320240);
    config.screenWidth = config.screenHeight = 0xFFFF;  // what a look past the list's end reads
    EXPECT_EQ(Run(IDOK, IDOK).resolution, 0);
    devices[1].modeCount = 0;
    EXPECT_TRUE(Run(IDOK, IDOK).resolutions.empty());
    EXPECT_EQ(config.screenWidth * 1000 + config.screenHeight, 320240);
}

}  // namespace
