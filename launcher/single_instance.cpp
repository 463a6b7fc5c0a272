#include "launcher/single_instance.h"

#include <windows.h>

#include "launcher/window_classes.h"

bool ActivateRunningGame() {
    HWND game = ::FindWindowA(kGameWindowClass, nullptr);
    if (!game) return false;
    ::SetForegroundWindow(game);
    return true;
}

bool IsSoleLauncher() {
    HWND marker = ::FindWindowA(kMarkerWindowClass, nullptr);
    if (!marker) return true;
    if (::IsIconic(marker)) ::ShowWindow(marker, SW_RESTORE);
    ::SetForegroundWindow(marker);
    return false;
}
