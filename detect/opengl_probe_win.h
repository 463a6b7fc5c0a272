#pragma once
// The OpenGL probe bound to the real opengl32.dll. Four entry points are bound by name
// at every device callback; wglMakeCurrent, wglDeleteContext and GDI's SetPixelFormat
// are ordinary imports, so the library stays loaded for the whole run.
#include <windows.h>

#include "detect/opengl_probe.h"

extern HMODULE probeOpenGlModule;  // the last load's handle; null once freed or failed

// 0 when the library loaded (a missing export binds as null), else GetLastError().
DWORD LoadOpenGlEntryPoints(const char* libraryName);
void UnloadOpenGlEntryPoints();

// The acceleration test on a window's device context, with the entry points bound by
// the last LoadOpenGlEntryPoints. No library, or one without every export, gives
// NotAccelerated and nothing is called through it.
OpenGlProbeResult ProbeOpenGlAcceleration(HDC dc);
