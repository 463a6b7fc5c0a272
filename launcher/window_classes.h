#pragma once
// The window classes by which launchers and the game find each other.
constexpr const char* kGameWindowClass = "VESKA Game Demo";  // the game's main window
constexpr const char* kMarkerWindowClass = "VESKA Demo";     // a running launcher's hidden marker
