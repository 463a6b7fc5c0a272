#pragma once
// The window classes by which launchers and the game find each other, and the locks by
// which launchers take turns.
constexpr const char* kGameWindowClass = "VESKA Game Demo";  // the game's main window
constexpr const char* kMarkerWindowClass = "VESKA Demo";     // a running launcher's hidden marker
// Mutexes named in the session's namespace, as window classes are found per desktop.
constexpr const char* kStartupTurnName = "VESKA Demo start-up";
constexpr const char* kHandOverName = "VESKA Demo hand-over";
