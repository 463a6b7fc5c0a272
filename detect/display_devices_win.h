#pragma once
// The display device table filled from ddraw.dll.
#include <windows.h>

#include "detect/display_devices.h"

// Lists the DirectDraw devices into `scan`. The primary device's OpenGL test sets a
// pixel format on `probeWindow`, a hidden window of the caller's own that nobody sees;
// without a window the primary device counts as not accelerated. For every device the
// OpenGL library is loaded for the length of its callback.
void ScanDirectDrawDevices(HWND probeWindow, int32_t checkGdi, DisplayScan& scan);
