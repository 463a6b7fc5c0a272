#include <gtest/gtest.h>

#include <GL/gl.h>

#include <string>

#include "detect/opengl_probe_win.h"
#include "launcher/launcher_state.h"
#include "detect/probe_window.h"

namespace {

// The renderer string of the system's OpenGL, asked without the probe.
std::string SystemRenderer() {
    ProbeWindow window;
    HDC dc = GetDC(window.handle());
    PIXELFORMATDESCRIPTOR pfd{};
    pfd.nSize = sizeof pfd;
    pfd.nVersion = 1;
    pfd.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    pfd.cColorBits = 16;
    std::string renderer;
    const int format = ChoosePixelFormat(dc, &pfd);
    if (format && SetPixelFormat(dc, format, &pfd)) {
        HGLRC context = wglCreateContext(dc);
        if (context && wglMakeCurrent(dc, context)) {
            const GLubyte* text = glGetString(GL_RENDERER);
            if (text) renderer = reinterpret_cast<const char*>(text);
            wglMakeCurrent(nullptr, nullptr);
        }
        if (context) wglDeleteContext(context);
    }
    ReleaseDC(window.handle(), dc);
    return renderer;
}

class RealOpenGlProbe : public ::testing::Test {
protected:
    void SetUp() override {
        checkGdi = 1;
        hardware3DAvailable = 0;
        gameConfig.hardware3DState = 0;
    }
    void TearDown() override { UnloadOpenGlEntryPoints(); }

    OpenGlProbeResult ProbeFreshWindow() {
        ProbeWindow window;
        HDC dc = GetDC(window.handle());
        const OpenGlProbeResult result = ProbeOpenGlAcceleration(dc);
        ReleaseDC(window.handle(), dc);
        return result;
    }
};

TEST_F(RealOpenGlProbe, AgreesWithTheSystemRendererString) {
    const std::string renderer = SystemRenderer();
    ASSERT_FALSE(renderer.empty());
    ASSERT_EQ(LoadOpenGlEntryPoints("opengl32.dll"), 0u);
    EXPECT_NE(probeOpenGlModule, nullptr);
    const OpenGlProbeResult expected = renderer.find("GDI Generic") == std::string::npos ? Accelerated : NotAccelerated;
    EXPECT_EQ(ProbeFreshWindow(), expected) << renderer;
    EXPECT_EQ(hardware3DAvailable, expected == Accelerated ? 1 : 0);
    EXPECT_EQ(gameConfig.hardware3DState, expected == Accelerated ? 1 : 0);
    std::printf("renderer: %s\n", renderer.c_str());

    checkGdi = 0;
    EXPECT_EQ(ProbeFreshWindow(), Accelerated);
}

TEST_F(RealOpenGlProbe, UnloadForgetsTheLibrary) {
    ASSERT_EQ(LoadOpenGlEntryPoints("opengl32.dll"), 0u);
    UnloadOpenGlEntryPoints();
    EXPECT_EQ(probeOpenGlModule, nullptr);
    EXPECT_EQ(ProbeFreshWindow(), NotAccelerated);
}

TEST_F(RealOpenGlProbe, LibraryMissingOrWithoutTheExportsIsNeverCalled) {
    EXPECT_EQ(LoadOpenGlEntryPoints("quimbo-no-such-library.dll"), DWORD(ERROR_MOD_NOT_FOUND));
    EXPECT_EQ(probeOpenGlModule, nullptr);
    EXPECT_EQ(ProbeFreshWindow(), NotAccelerated);

    EXPECT_EQ(LoadOpenGlEntryPoints("kernel32.dll"), 0u);
    EXPECT_NE(probeOpenGlModule, nullptr);
    EXPECT_EQ(ProbeFreshWindow(), NotAccelerated);
    EXPECT_EQ(hardware3DAvailable, 0);
}

}  // namespace
