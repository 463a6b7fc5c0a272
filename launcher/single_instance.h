#pragma once
// Guards against starting while the game or another launcher runs.

// True when the game's window exists; it has been brought to the foreground (as it
// is: a minimised game stays minimised).
bool ActivateRunningGame();

// True when no other launcher's marker window exists; otherwise that window has been
// restored if minimised and brought to the foreground.
bool IsSoleLauncher();
