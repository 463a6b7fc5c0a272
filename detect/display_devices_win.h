#pragma once
// The display device table filled from ddraw.dll.
#include <windows.h>
#include <ddraw.h>

#include "detect/display_devices.h"

// Lists the DirectDraw devices into displayDevices. The primary device's OpenGL test
// sets a pixel format on `probeWindow`, which is why the launcher passes its main
// dialog's window, once that exists; without a window the primary device counts as not
// accelerated.
void EnumerateDisplayDevices(HWND probeWindow);

// DirectDraw's callbacks. Each device callback binds the OpenGL entry points for its
// own length; the context arguments are unused.
BOOL CALLBACK DisplayDeviceCallback(GUID* guid, LPSTR description, LPSTR driverName, LPVOID context);
void EnumerateDisplayModes(IDirectDraw* directDraw);
HRESULT CALLBACK DisplayModeCallback(LPDDSURFACEDESC mode, LPVOID context);
