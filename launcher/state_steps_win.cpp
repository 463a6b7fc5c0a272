#include "launcher/state_steps_win.h"

#include <windows.h>

#include <cstring>
#include <type_traits>

#include "detect/cpu_speed_estimate_win.h"
#include "detect/display_devices_win.h"
#include "detect/probe_window_win.h"
#include "framework/win_app.h"
#include "settings/config_file.h"
#include "settings/ini_file.h"
#include "settings/install_location_win.h"
#include "state/launcher_state.h"
#include "state/trace.h"

namespace {

// Nothing of it runs at exit, so an early end never waits for the measurement.
static_assert(std::is_trivially_destructible_v<CpuSpeedEstimate>);
CpuSpeedEstimate cpuSpeedEstimate;

// The rate into cpuMHz once it is known; without a start, cpuMHz stays as it is.
int WaitForCpuSpeed() {
    if (!cpuSpeedEstimate.Started()) return cpuMHz;
    // Read by the defaults, on the thread of the main dialog's window.
    cpuMHz = cpuSpeedEstimate.Wait(WaitAnsweringSentMessages);
    Trace(kTraceMeasurementWaited, cpuMHz);
    return cpuMHz;
}

MachineFacts CurrentMachineFacts() {
    return {WaitForCpuSpeed(), hardware3DAvailable != 0, GetSystemDefaultLangID(),
            IsQwertyLayout(OemKeyScan('q'), OemKeyScan('a'))};
}

}  // namespace

void StartCpuSpeedEstimate() { cpuSpeedEstimate.Start(); }

int ReadIniDriverSettings() { return ReadIniDriverValues(driverDllName, checkGdi); }

void ReadIniLanguageAll() { gameConfig.languageIndex = IniLanguageOfAllLines(gameConfig.languageIndex); }

void EnumerateDisplayDevices() {
    DisplayScan scan;
    scan.hardware3DAvailable = hardware3DAvailable;
    {
        ProbeWindow probeWindow;
        ScanDirectDrawDevices(probeWindow.handle(), checkGdi, scan);
    }
    Trace(kTraceDisplaysEnumerated);
    static_assert(sizeof displayDevices == sizeof scan.devices, "the same table");
    for (int slot = 0; slot < kDisplayDeviceSlots; ++slot) displayDevices[slot] = scan.devices[slot];
    displayDeviceCount = scan.deviceCount;
    hardware3DAvailable = scan.hardware3DAvailable;
    gameConfig.hardware3DState = scan.primaryAccelerated ? 1 : 0;
}

void SetDefaultConfig() { MakeDefaultConfig(gameConfig, CurrentMachineFacts()); }

void SaveConfig() { SaveConfigRecord(gameConfig); }

// The file is judged alone, as at start-up, where the record in memory is all zero: after
// Cancel a hardware renderer merely picked in the options must not cost the stored record.
void LoadConfig() { LoadConfigRecord(gameConfig, RenderSoftware8, hardware3DAvailable != 0, CurrentMachineFacts); }

bool FindInstalledGame() {
    InstallPaths paths;
    if (!LookUpInstalledGame(paths)) return false;
    static_assert(sizeof installDir == sizeof paths.installDir, "the same buffers");
    std::memcpy(installDir, paths.installDir, sizeof installDir);
    std::memcpy(gameExePath, paths.gameExePath, sizeof gameExePath);
    std::memcpy(rootExePath, paths.rootExePath, sizeof rootExePath);
    return true;
}
