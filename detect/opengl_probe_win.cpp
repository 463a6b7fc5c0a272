#include "detect/opengl_probe_win.h"

#include <GL/gl.h>

#include <cstddef>

#define SAME_FIELD(field)                                                                     \
    static_assert(offsetof(PIXELFORMATDESCRIPTOR, field) == offsetof(PixelFormatDescriptor, field) && \
                      sizeof(PIXELFORMATDESCRIPTOR::field) == sizeof(PixelFormatDescriptor::field),   \
                  "PixelFormatDescriptor must match PIXELFORMATDESCRIPTOR: " #field)
static_assert(sizeof(PIXELFORMATDESCRIPTOR) == sizeof(PixelFormatDescriptor), "descriptor size");
SAME_FIELD(nSize);
SAME_FIELD(nVersion);
SAME_FIELD(dwFlags);
SAME_FIELD(iPixelType);
SAME_FIELD(cColorBits);
SAME_FIELD(cRedBits);
SAME_FIELD(cRedShift);
SAME_FIELD(cGreenBits);
SAME_FIELD(cGreenShift);
SAME_FIELD(cBlueBits);
SAME_FIELD(cBlueShift);
SAME_FIELD(cAlphaBits);
SAME_FIELD(cAlphaShift);
SAME_FIELD(cAccumBits);
SAME_FIELD(cAccumRedBits);
SAME_FIELD(cAccumGreenBits);
SAME_FIELD(cAccumBlueBits);
SAME_FIELD(cAccumAlphaBits);
SAME_FIELD(cDepthBits);
SAME_FIELD(cStencilBits);
SAME_FIELD(cAuxBuffers);
SAME_FIELD(iLayerType);
SAME_FIELD(bReserved);
SAME_FIELD(dwLayerMask);
SAME_FIELD(dwVisibleMask);
SAME_FIELD(dwDamageMask);
#undef SAME_FIELD
static_assert(PFD_DOUBLEBUFFER == kPfdDoubleBuffer && PFD_DRAW_TO_WINDOW == kPfdDrawToWindow &&
                  PFD_SUPPORT_OPENGL == kPfdSupportOpenGl && PFD_GENERIC_FORMAT == kPfdGenericFormat &&
                  PFD_GENERIC_ACCELERATED == kPfdGenericAccelerated && PFD_TYPE_RGBA == kPfdTypeRgba &&
                  PFD_MAIN_PLANE == kPfdMainPlane && GL_RENDERER == kGlRenderer,
              "constants");

HMODULE probeOpenGlModule;

namespace {

decltype(OpenGlApi::wglChoosePixelFormat) pfnWglChoosePixelFormat;
decltype(OpenGlApi::wglSetPixelFormat) pfnWglSetPixelFormat;
decltype(OpenGlApi::glGetString) pfnGlGetString;
decltype(OpenGlApi::wglCreateContext) pfnWglCreateContext;

// The portable types have the same shape as the WGL ones: handles as void*, the
// descriptor as its byte-for-byte twin, the same calling convention.
template <typename Function>
void Bind(Function& entryPoint, const char* exportedName) {
    entryPoint = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(probeOpenGlModule, exportedName)));
}

template <typename Function, typename Import>
Function Imported(Import* import) {
    return reinterpret_cast<Function>(import);
}

}  // namespace

DWORD LoadOpenGlEntryPoints(const char* libraryName) {
    probeOpenGlModule = LoadLibraryA(libraryName);
    if (!probeOpenGlModule) return GetLastError();
    Bind(pfnWglChoosePixelFormat, "wglChoosePixelFormat");
    Bind(pfnWglSetPixelFormat, "wglSetPixelFormat");
    Bind(pfnGlGetString, "glGetString");
    Bind(pfnWglCreateContext, "wglCreateContext");
    return 0;
}

void UnloadOpenGlEntryPoints() {
    if (!probeOpenGlModule) return;
    FreeLibrary(probeOpenGlModule);
    probeOpenGlModule = nullptr;  // the entry points may now point into a freed library
}

OpenGlProbeResult ProbeOpenGlAcceleration(HDC dc) {
    OpenGlApi gl{};
    if (probeOpenGlModule) {
        gl.wglChoosePixelFormat = pfnWglChoosePixelFormat;
        gl.wglSetPixelFormat = pfnWglSetPixelFormat;
        gl.glGetString = pfnGlGetString;
        gl.wglCreateContext = pfnWglCreateContext;
    }
    gl.gdiSetPixelFormat = Imported<decltype(gl.gdiSetPixelFormat)>(&SetPixelFormat);
    gl.wglMakeCurrent = Imported<decltype(gl.wglMakeCurrent)>(&wglMakeCurrent);
    gl.wglDeleteContext = Imported<decltype(gl.wglDeleteContext)>(&wglDeleteContext);
    return RunOpenGlProbe(gl, dc);
}
