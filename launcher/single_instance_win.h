#pragma once
// Guards against starting while the game or another launcher runs.
#include <windows.h>

// True when the game's window exists; it has been brought to the foreground (as it
// is: a minimised game stays minimised).
bool ActivateRunningGame();

// True when no other launcher's marker window exists; otherwise that window has been
// restored if minimised and brought to the foreground, and it brings its dialog along.
bool IsSoleLauncher();

// Launchers start one at a time. A launcher takes its turn before the guard and ends it
// once its marker window exists, before it asks for the language, or when it ends: the
// next one waits and then finds the marker, where otherwise both would pass the guard
// while neither had a marker yet. A turn not had within a while is not waited for.
void TakeStartupTurn();
void EndStartupTurn();

// Hand-overs from the CD-ROM to the installed copy, one at a time. Ends this launcher's
// turn, as the copy needs it. True when this launcher is to hand over; it then starts
// the copy and calls FinishHandOver. False when another launcher's copy has come up
// meanwhile (this one waited for that hand-over to finish): it has been brought
// forward, and this one ends.
bool BeginHandOver();
// Waits, for a while at most, while the started `copy` (nullptr when none started) runs
// without a window yet, so that a launcher started meanwhile finds it; closes `copy`.
void FinishHandOver(HANDLE copy);
