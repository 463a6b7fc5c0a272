#include <gtest/gtest.h>

#include <GL/gl.h>

#include <string>

#include "detect/opengl_probe_win.h"
#include "detect/probe_window.h"

namespace {

// The renderer string of the system's OpenGL, asked without the probe.
std::string SystemRenderer(HDC dc) {
    PIXELFORMATDESCRIPTOR pfd{};
    pfd.nSize = sizeof pfd;
    pfd.nVersion = 1;
    pfd.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    pfd.cColorBits = 16;
    std::string renderer;
    const int format = ChoosePixelFormat(dc, &pfd);
    HGLRC context = format && SetPixelFormat(dc, format, &pfd) ? wglCreateContext(dc) : nullptr;
    if (context && wglMakeCurrent(dc, context)) {
        if (const GLubyte* text = glGetString(GL_RENDERER)) renderer = reinterpret_cast<const char*>(text);
        wglMakeCurrent(nullptr, nullptr);
    }
    if (context) wglDeleteContext(context);
    return renderer;
}

// Runs `probe` (or SystemRenderer) on the device context of a window of its own.
template <class Probe>
auto OnFreshWindow(Probe probe) {
    ProbeWindow window;
    HDC dc = GetDC(window.handle());
    const auto result = probe(dc);
    ReleaseDC(window.handle(), dc);
    return result;
}
OpenGlProbeResult ProbeFreshWindow(OpenGlLibrary& library, int32_t checkGdi) {
    return OnFreshWindow([&](HDC dc) { return RunOpenGlProbe(library, dc, checkGdi); });
}

TEST(RealOpenGlProbe, AgreesWithTheSystemRendererString) {
    const std::string renderer = OnFreshWindow(SystemRenderer);
    ASSERT_FALSE(renderer.empty());
    OpenGlLibrary library("opengl32.dll");
    ASSERT_EQ(library.LoadError(), 0u);
    ASSERT_TRUE(library.IsComplete());
    const OpenGlProbeResult expected = renderer.find("GDI Generic") == std::string::npos ? Accelerated : NotAccelerated;
    EXPECT_EQ(ProbeFreshWindow(library, 1), expected);
    EXPECT_EQ(ProbeFreshWindow(library, 0), Accelerated);
}

TEST(RealOpenGlProbe, LibraryMissingOrWithoutTheExportsIsNeverCalled) {
    OpenGlLibrary missing("quimbo-no-such-library.dll");
    EXPECT_EQ(missing.LoadError(), DWORD(ERROR_MOD_NOT_FOUND));
    EXPECT_EQ(ProbeFreshWindow(missing, 1), NotAccelerated);
    OpenGlLibrary withoutExports("kernel32.dll");
    EXPECT_EQ(withoutExports.LoadError(), 0u);
    EXPECT_EQ(ProbeFreshWindow(withoutExports, 1), NotAccelerated);
}

}  // namespace
