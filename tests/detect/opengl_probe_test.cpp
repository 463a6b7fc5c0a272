#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "detect/opengl_probe.h"

namespace {

int tags[2];
void* const kDc = &tags[0];
void* const kContext = &tags[1];

// Scripted OpenGL; each call logs its entry point's name so a test sees what was called.
struct FakeDriver : OpenGl {
    std::function<void(PixelFormatDescriptor&)> alterDescriptor = [](PixelFormatDescriptor&) {};
    int32_t chosenFormat = 7;
    bool complete = true, makeCurrentResult = true, setFormatResult = true, gdiSetFormatResult = true;
    std::vector<void*> contexts = {kContext};  // one per wglCreateContext call, in order
    const char* renderer = "Accelerated Renderer 3000";
    std::string calls;  // the entry points called, in order
    void* deleted = nullptr;

    template <class R>
    R Log(const char* name, R result) {
        calls += calls.empty() ? name : std::string(" ") + name;
        return result;
    }
    bool IsComplete() const override { return complete; }
    int32_t ChoosePixelFormat(void*, PixelFormatDescriptor& d) override {
        EXPECT_EQ(d.dwFlags, 0x25u);  // draw to window, OpenGL, double-buffered
        EXPECT_EQ(d.cColorBits, 16);
        alterDescriptor(d);
        return Log("wglChoosePixelFormat", chosenFormat);
    }
    bool SetPixelFormat(void*, int32_t, const PixelFormatDescriptor&) override {
        return Log("wglSetPixelFormat", setFormatResult);
    }
    bool GdiSetPixelFormat(void*, int32_t, const PixelFormatDescriptor&) override {
        return Log("SetPixelFormat", gdiSetFormatResult);
    }
    void* CreateContext(void*) override {
        void* context = nullptr;
        if (!contexts.empty()) context = contexts.front(), contexts.erase(contexts.begin());
        return Log("wglCreateContext", context);
    }
    bool MakeCurrent(void*, void*) override { return Log("wglMakeCurrent", makeCurrentResult); }
    const unsigned char* GetString(uint32_t) override {
        return Log("glGetString", reinterpret_cast<const unsigned char*>(renderer));
    }
    bool DeleteContext(void* context) override {
        deleted = context;
        return Log("wglDeleteContext", true);
    }
};

TEST(OpenGlProbe, RejectsAFormatThatIsNotChosenOrFailsATest) {
    const std::function<void(PixelFormatDescriptor&)> alterations[] = {
        [](PixelFormatDescriptor& d) { d.dwFlags &= ~kPfdSupportOpenGl; },
        [](PixelFormatDescriptor& d) { d.dwFlags |= kPfdGenericFormat; },
        [](PixelFormatDescriptor& d) { d.dwFlags &= ~kPfdDoubleBuffer; },
        [](PixelFormatDescriptor& d) { d.iPixelType = 1; },
        [](PixelFormatDescriptor& d) { d.cColorBits = 32; },
        [](PixelFormatDescriptor& d) { d.iLayerType = 1; },
        [](PixelFormatDescriptor&) {},  // a good descriptor, but no format: see below
    };
    for (size_t i = 0; i < std::size(alterations); ++i) {
        FakeDriver rejecting;
        rejecting.alterDescriptor = alterations[i];
        if (i + 1 == std::size(alterations)) rejecting.chosenFormat = 0;
        EXPECT_EQ(RunOpenGlProbe(rejecting, kDc, 1), FormatRejected) << i;
        EXPECT_EQ(rejecting.calls, "wglChoosePixelFormat") << i;
    }
}

TEST(OpenGlProbe, OutcomeAndCallsFollowTheDriver) {
    const std::string kFull = "wglChoosePixelFormat wglSetPixelFormat wglCreateContext wglMakeCurrent glGetString "
                              "wglDeleteContext";
    const struct {
        const char* name;
        std::function<void(FakeDriver&)> script;
        int32_t checkGdi;
        OpenGlProbeResult result;
        std::string calls;
    } cases[] = {
        {"accelerated", [](FakeDriver&) {}, 1, Accelerated, kFull},
        {"checkGdi 0: no context", [](FakeDriver& d) { d.renderer = "GDI Generic"; }, 0, Accelerated,
         "wglChoosePixelFormat"},
        {"second context after GDI sets the format", [](FakeDriver& d) { d.contexts = {nullptr, kContext}; }, 1,
         Accelerated,
         "wglChoosePixelFormat wglSetPixelFormat wglCreateContext SetPixelFormat wglCreateContext wglMakeCurrent "
         "glGetString wglDeleteContext"},
        {"generic name in another case", [](FakeDriver& d) { d.renderer = "gdi GENERIC"; }, 1, Accelerated, kFull},
        {"software renderer", [](FakeDriver& d) { d.renderer = "Microsoft Corporation GDI Generic"; }, 1,
         NotAccelerated, kFull},
        {"context not made current, still deleted", [](FakeDriver& d) { d.makeCurrentResult = false; }, 1,
         NotAccelerated, "wglChoosePixelFormat wglSetPixelFormat wglCreateContext wglMakeCurrent wglDeleteContext"},
        {"no renderer string", [](FakeDriver& d) { d.renderer = nullptr; }, 1, NotAccelerated, kFull},
        {"a generic format that is accelerated",
         [](FakeDriver& d) {
             d.alterDescriptor = [](PixelFormatDescriptor& f) { f.dwFlags |= kPfdGenericFormat | kPfdGenericAccelerated; };
         },
         1, Accelerated, kFull},
        {"format not set", [](FakeDriver& d) { d.setFormatResult = false; }, 1, NotAccelerated,
         "wglChoosePixelFormat wglSetPixelFormat"},
        {"GDI refuses the format too", [](FakeDriver& d) { d.contexts = {}, d.gdiSetFormatResult = false; }, 1,
         NotAccelerated, "wglChoosePixelFormat wglSetPixelFormat wglCreateContext SetPixelFormat"},
        {"no second context either", [](FakeDriver& d) { d.contexts = {}; }, 1, NotAccelerated,
         "wglChoosePixelFormat wglSetPixelFormat wglCreateContext SetPixelFormat wglCreateContext"},
    };
    for (const auto& c : cases) {
        FakeDriver scripted;
        c.script(scripted);
        EXPECT_EQ(RunOpenGlProbe(scripted, kDc, c.checkGdi), c.result) << c.name;
        EXPECT_EQ(scripted.calls, c.calls) << c.name;
        const bool deletes = c.calls.find("wglDeleteContext") != std::string::npos;
        EXPECT_EQ(scripted.deleted, deletes ? kContext : nullptr) << c.name;
    }
}

TEST(OpenGlProbe, IncompleteLibraryIsNeverCalled) {
    FakeDriver incomplete;
    incomplete.complete = false;
    EXPECT_EQ(RunOpenGlProbe(incomplete, kDc, 1), NotAccelerated);
    EXPECT_TRUE(incomplete.calls.empty());
}

}  // namespace
