// The floor of the launcher's start-up: only the system calls the launcher cannot do
// without before its dialog can show. The DirectDraw enumeration with the primary
// device's object, cooperative level and mode list; an OpenGL context on a hidden
// window; then a message box, whose painting the benchmark waits for.
#include <windows.h>

#include <GL/gl.h>
#include <ddraw.h>

namespace {

HRESULT WINAPI CountMode(DDSURFACEDESC*, void* count) {
    ++*static_cast<int*>(count);
    return DDENUMRET_OK;
}

BOOL WINAPI OpenPrimary(GUID* guid, char*, char*, void* modes) {
    if (guid) return TRUE;  // the primary display has no GUID
    IDirectDraw* directDraw = nullptr;
    if (FAILED(DirectDrawCreate(nullptr, &directDraw, nullptr))) return TRUE;
    if (SUCCEEDED(directDraw->SetCooperativeLevel(nullptr, DDSCL_NORMAL)))
        directDraw->EnumDisplayModes(0, nullptr, modes, CountMode);
    directDraw->Release();
    return TRUE;
}

void MakeOpenGlContext() {
    WNDCLASSA windowClass = {};
    windowClass.style = CS_OWNDC;
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "startup floor";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, windowClass.lpszClassName, "", WS_POPUP | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, 0,
                                  64, 64, nullptr, nullptr, windowClass.hInstance, nullptr);
    HDC dc = GetDC(window);
    PIXELFORMATDESCRIPTOR format = {};
    format.nSize = sizeof format;
    format.nVersion = 1;
    format.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    format.iPixelType = PFD_TYPE_RGBA;
    format.cColorBits = 16;
    format.cDepthBits = 16;
    const int index = ChoosePixelFormat(dc, &format);
    if (index && SetPixelFormat(dc, index, &format)) {
        if (HGLRC context = wglCreateContext(dc)) {
            wglMakeCurrent(dc, context);
            glGetString(GL_RENDERER);
            wglMakeCurrent(nullptr, nullptr);
            wglDeleteContext(context);
        }
    }
    ReleaseDC(window, dc);
    DestroyWindow(window);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    int modes = 0;
    DirectDrawEnumerateA(OpenPrimary, &modes);
    MakeOpenGlContext();
    MessageBoxA(nullptr, modes ? "ready" : "no display modes", "startup floor", MB_OK);
    return 0;
}
