#pragma once
// What Play hands to the process start: the game program, its switches and its
// working directory, each as a 260-byte string as the start call takes them.
#include "state/display_device.h"
#include "state/game_config.h"
#include "state/path_limits.h"

struct GameLaunchInputs {
    const GameConfig& config;
    const char* driverDllName;  // the ini's DLL value
    const DisplayDeviceTable& devices;
    const char* installDir;
    const char* gameExePath;
};

struct GameLaunch {
    char applicationPath[kMaxPath];
    char commandLine[kMaxPath];
    char workingDirectory[kMaxPath];
    bool saveConfigFirst;    // the record is saved before the start
    bool passes3dfxLibrary;  // the record then notes hardware3DState 2
};

// The switches for the settings: " /b00", the window mode, " /x" and " /y" with the
// size, the driver library and the renderer, each with one leading blank. False, with
// `launch` unchanged, when a string would not fit its buffer.
bool PrepareGameLaunch(const GameLaunchInputs& inputs, GameLaunch& launch);
