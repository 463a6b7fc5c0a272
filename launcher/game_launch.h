#pragma once
// What Play hands to the process start: the game program, its switches and its
// working directory, each as a 260-byte string as the start call takes them.
#include "launcher/launcher_state.h"

struct GameLaunch {
    char applicationPath[kMaxPath];
    char commandLine[kMaxPath];
    char workingDirectory[kMaxPath];
    bool saveConfigFirst;  // the record is saved before the start
};

// The switches for the current settings: " /b00", the window mode, " /x" and " /y"
// with the size, the driver library and the renderer, each with one leading blank.
// Passing the 3dfx library records hardware3DState 2 in gameConfig.
// False, with nothing changed, when a string would not fit its buffer.
bool PrepareGameLaunch(GameLaunch& launch);
