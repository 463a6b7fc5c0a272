#pragma once
// The OpenGL probe bound to a real OpenGL library. Four entry points are bound by name
// for the life of one OpenGlLibrary; wglMakeCurrent, wglDeleteContext and GDI's
// SetPixelFormat are ordinary imports. What holds opengl32.dll between probes:
// CLauncherApp::InitInstance.
#include <windows.h>

#include "detect/opengl_probe.h"

class OpenGlLibrary final : public OpenGl {
public:
    explicit OpenGlLibrary(const char* libraryName);
    ~OpenGlLibrary();
    OpenGlLibrary(const OpenGlLibrary&) = delete;
    OpenGlLibrary& operator=(const OpenGlLibrary&) = delete;

    bool IsComplete() const override;
    int32_t ChoosePixelFormat(void* dc, PixelFormatDescriptor& descriptor) override;
    bool SetPixelFormat(void* dc, int32_t format, const PixelFormatDescriptor& descriptor) override;
    bool GdiSetPixelFormat(void* dc, int32_t format, const PixelFormatDescriptor& descriptor) override;
    void* CreateContext(void* dc) override;
    bool MakeCurrent(void* dc, void* context) override;
    bool DeleteContext(void* context) override;
    const unsigned char* GetString(uint32_t name) override;

private:
    HMODULE m_module;
    int(WINAPI* m_choosePixelFormat)(HDC, PIXELFORMATDESCRIPTOR*) = nullptr;
    BOOL(WINAPI* m_setPixelFormat)(HDC, int, const PIXELFORMATDESCRIPTOR*) = nullptr;
    const unsigned char*(WINAPI* m_getString)(unsigned int) = nullptr;
    HGLRC(WINAPI* m_createContext)(HDC) = nullptr;
};
