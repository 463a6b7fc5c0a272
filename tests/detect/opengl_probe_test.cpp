#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

#include "detect/opengl_probe.h"

namespace {

int tags[2];
void* const kDc = &tags[0];
void* const kContext = &tags[1];

// Scripted OpenGL; every call logs a short name, so a test sees what was called.
struct FakeDriver : OpenGl {
    void (*alterDescriptor)(PixelFormatDescriptor&) = [](PixelFormatDescriptor&) {};
    int32_t chosenFormat = 7;
    bool complete = true, wglSetResult = true, gdiSetResult = true, makeCurrentResult = true;
    std::vector<void*> contexts = {kContext};  // one per CreateContext call, in order
    size_t contextsMade = 0;
    const char* renderer = "Accelerated Renderer 3000";
    std::string calls;
    void* deleted = nullptr;

    template <class R>
    R Log(const char* name, R result) {
        calls += (calls.empty() ? "" : " ") + std::string(name);
        return result;
    }
    bool IsComplete() const override { return complete; }
    int32_t ChoosePixelFormat(void*, PixelFormatDescriptor& d) override {
        EXPECT_EQ(d.dwFlags, 0x25u);  // draw to window, OpenGL, double-buffered
        alterDescriptor(d);
        return Log("choose", chosenFormat);
    }
    bool SetPixelFormat(void*, int32_t, const PixelFormatDescriptor&) override { return Log("set", wglSetResult); }
    bool GdiSetPixelFormat(void*, int32_t, const PixelFormatDescriptor&) override { return Log("gdi", gdiSetResult); }
    void* CreateContext(void*) override {
        return Log("create", contextsMade < contexts.size() ? contexts[contextsMade++] : nullptr);
    }
    bool MakeCurrent(void*, void*) override { return Log("current", makeCurrentResult); }
    const unsigned char* GetString(uint32_t) override { return Log("string", (const unsigned char*)renderer); }
    bool DeleteContext(void* context) override { return deleted = context, Log("delete", true); }
};

// With checkGdi 0 the chosen format alone decides, and no context is made.
TEST(OpenGlProbe, JudgesTheFormatAsTheDriverFilledItIn) {
    using D = PixelFormatDescriptor;
    const struct {
        void (*alter)(D&);
        OpenGlProbeResult result;
    } cases[] = {
        {[](D&) {}, Accelerated},
        {[](D& d) { d.dwFlags |= kPfdGenericFormat | kPfdGenericAccelerated; }, Accelerated},
        {[](D& d) { d.dwFlags |= kPfdGenericFormat; }, FormatRejected},
        {[](D& d) { d.dwFlags &= ~kPfdSupportOpenGl; }, FormatRejected},
        {[](D& d) { d.dwFlags &= ~kPfdDoubleBuffer; }, FormatRejected},
        {[](D& d) { d.iPixelType = 1; }, FormatRejected},
        {[](D& d) { d.cColorBits = 32; }, FormatRejected},
        {[](D& d) { d.iLayerType = 1; }, FormatRejected},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        FakeDriver gl;
        gl.alterDescriptor = cases[i].alter;
        EXPECT_EQ(RunOpenGlProbe(gl, kDc, 0), cases[i].result) << i;
        EXPECT_EQ(gl.calls, "choose") << i;
    }
    FakeDriver noFormat;
    noFormat.chosenFormat = 0;
    EXPECT_EQ(RunOpenGlProbe(noFormat, kDc, 1), FormatRejected);
    EXPECT_EQ(noFormat.calls, "choose");
}

TEST(OpenGlProbe, OutcomeAndCallsFollowTheDriver) {
    const std::string kFull = "choose set create current string delete";
    const std::string kRetry = "choose set create gdi create";
    const struct {
        const char* name;
        void (*script)(FakeDriver&);
        OpenGlProbeResult result;
        std::string calls;
    } cases[] = {
        {"accelerated", [](FakeDriver&) {}, Accelerated, kFull},
        {"generic name in another case", [](FakeDriver& d) { d.renderer = "gdi GENERIC"; }, Accelerated, kFull},
        {"software renderer", [](FakeDriver& d) { d.renderer = "Microsoft GDI Generic"; }, NotAccelerated, kFull},
        {"no renderer string", [](FakeDriver& d) { d.renderer = nullptr; }, NotAccelerated, kFull},
        {"not made current, still deleted", [](FakeDriver& d) { d.makeCurrentResult = false; }, NotAccelerated,
         "choose set create current delete"},
        {"format not set", [](FakeDriver& d) { d.wglSetResult = false; }, NotAccelerated, "choose set"},
        {"context after GDI sets the format", [](FakeDriver& d) { d.contexts = {nullptr, kContext}; }, Accelerated,
         kRetry + " current string delete"},
        {"GDI fails the retry", [](FakeDriver& d) { d.contexts.clear(), d.gdiSetResult = false; }, NotAccelerated,
         "choose set create gdi"},
        {"no context on the retry", [](FakeDriver& d) { d.contexts.clear(); }, NotAccelerated, kRetry},
        {"incomplete library", [](FakeDriver& d) { d.complete = false; }, NotAccelerated, ""},
    };
    for (const auto& c : cases) {
        FakeDriver gl;
        c.script(gl);
        EXPECT_EQ(RunOpenGlProbe(gl, kDc, 1), c.result) << c.name;
        EXPECT_EQ(gl.calls, c.calls) << c.name;
        EXPECT_EQ(gl.deleted, c.calls.find("delete") != std::string::npos ? kContext : nullptr) << c.name;
    }
}

}  // namespace
