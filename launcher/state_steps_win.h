#pragma once
// The steps of start-up and of the buttons that keep the process-wide state: each asks
// the layer below for its result and records it in state/launcher_state.h. Windows only.

// The processor's clock rate: started first, it is found while start-up goes on. Only
// the defaults need it (SetDefaultConfig, and LoadConfig when the stored record is
// unusable): they wait for it, take it as it is and record it in cpuMHz, which nothing
// reads later. A start that makes no defaults never waits.
void StartCpuSpeedEstimate();

// Sets driverDllName and checkGdi from "bin\zorb.ini"; 1 when the file opened.
int ReadIniDriverSettings();

// The ini's language into gameConfig, the last parsable Language line winning.
void ReadIniLanguageAll();

// Lists the display devices into displayDevices and displayDeviceCount, probing the
// primary display's OpenGL on a hidden window of its own; sets hardware3DAvailable and
// gameConfig.hardware3DState.
void EnumerateDisplayDevices();

// gameConfig and "bin\config.pc": the defaults for this machine, the save, and the
// load that falls back to the defaults. The defaults need the processor's rate.
void SetDefaultConfig();
void SaveConfig();
void LoadConfig();

// True when the game is installed; installDir, gameExePath and rootExePath then hold its
// paths. On false they keep what they held.
bool FindInstalledGame();
