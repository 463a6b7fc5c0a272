// Runs the launcher of a demo installation without anybody at the screen: waits for
// its main dialog, saves a screenshot of it, presses Play and prints what the stand-in
// game received.  demo_driver <install folder> <screenshot.bmp>
#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "harness/file_bytes.h"
#include "harness/stand_in_report.h"
#include "harness/ui_driver/ui_driver.h"
#include "launcher/window_classes.h"
#include "res/resource.h"

namespace {

int Fail(const char* what) {
    std::fprintf(stderr, "demo: %s\n", what);
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) return Fail("usage: demo_driver <install folder> <screenshot.bmp>");
    const std::filesystem::path folder = argv[1];
    const std::filesystem::path report = folder / "bin" / kGameReportName;
    std::error_code ignored;
    std::filesystem::remove(report, ignored);

    ui::Process launcher;
    if (!launcher.Start((folder / "Quimbo.exe").string(), "", folder.string()))
        return Fail("the launcher did not start");
    HWND dialog = ui::WaitForTopLevelWindow(launcher.id(), "#32770");
    if (!dialog) return Fail("the launcher showed no dialog");
    if (!ui::WaitUntilPainted(launcher, dialog)) return Fail("the launcher's dialog was not painted");
    if (!ui::SaveScreenshot(dialog, argv[2])) return Fail("no screenshot");
    std::printf("main dialog: \"%s\", screenshot %s\n", ui::Text(dialog).c_str(), argv[2]);

    ui::Click(ui::Control(dialog, IDC_PLAY));
    if (ui::WaitForReport(report).empty()) return Fail("the game did not start");
    HWND game = ui::WaitForTopLevelWindow(0, kGameWindowClass);
    std::printf("the game received:\n%s", ReadBytes(report).c_str());
    if (game) ui::PostClose(game);
    return launcher.WaitForExit() ? 0 : Fail("the launcher did not end after Play");
}
