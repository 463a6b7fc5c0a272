#include <gtest/gtest.h>

#include <GL/gl.h>

#include <string>

#include "detect/opengl_probe_win.h"
#include "detect/probe_window.h"
#include "launcher/launcher_state.h"

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
OpenGlProbeResult ProbeFreshWindow() { return OnFreshWindow(ProbeOpenGlAcceleration); }

class RealOpenGlProbe : public ::testing::Test {
protected:
    void SetUp() override {
        checkGdi = 1;
        hardware3DAvailable = 0;
        gameConfig.hardware3DState = 0;
    }
    void TearDown() override { UnloadOpenGlEntryPoints(); }
};

TEST_F(RealOpenGlProbe, AgreesWithTheSystemRendererString) {
    const std::string renderer = OnFreshWindow(SystemRenderer);
    ASSERT_FALSE(renderer.empty());
    ASSERT_EQ(LoadOpenGlEntryPoints("opengl32.dll"), 0u);
    const OpenGlProbeResult expected = renderer.find("GDI Generic") == std::string::npos ? Accelerated : NotAccelerated;
    EXPECT_EQ(ProbeFreshWindow(), expected);
    EXPECT_EQ(hardware3DAvailable, expected == Accelerated ? 1 : 0);
    EXPECT_EQ(gameConfig.hardware3DState, expected == Accelerated ? 1 : 0);
    checkGdi = 0;
    EXPECT_EQ(ProbeFreshWindow(), Accelerated);
}

TEST_F(RealOpenGlProbe, LibraryMissingOrWithoutTheExportsIsNeverCalled) {
    EXPECT_EQ(LoadOpenGlEntryPoints("quimbo-no-such-library.dll"), DWORD(ERROR_MOD_NOT_FOUND));
    EXPECT_EQ(ProbeFreshWindow(), NotAccelerated);
    EXPECT_EQ(LoadOpenGlEntryPoints("kernel32.dll"), 0u);
    EXPECT_EQ(ProbeFreshWindow(), NotAccelerated);
    EXPECT_EQ(hardware3DAvailable, 0);
}

}  // namespace
