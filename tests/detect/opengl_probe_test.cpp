#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "detect/opengl_probe.h"

namespace {

int tags[2];
void* const kDc = &tags[0];
void* const kContext = &tags[1];

// Scripted OpenGL; every call logs a short name, so a test sees what was called.
struct FakeDriver : OpenGl {
    int32_t checkGdi = 1, chosenFormat = 7;
    uint32_t addFlags = 0, dropFlags = 0;  // how the driver fills in the descriptor
    uint8_t pixelType = kPfdTypeRgba, colorBits = 16;
    int8_t layerType = kPfdMainPlane;
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
        EXPECT_EQ(d.cColorBits, 16);
        d.dwFlags = (d.dwFlags | addFlags) & ~dropFlags;
        d.iPixelType = pixelType, d.cColorBits = colorBits, d.iLayerType = layerType;
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

TEST(OpenGlProbe, OutcomeAndCallsFollowTheDriver) {
    const std::string kFull = "choose set create current string delete", kRetry = "choose set create gdi create";
    const struct {
        const char* name;
        void (*script)(FakeDriver&);
        OpenGlProbeResult result;
        std::string calls;
    } cases[] = {
        {"accelerated", [](FakeDriver&) {}, Accelerated, kFull},
        {"checkGdi 0: the format is enough", [](FakeDriver& d) { d.checkGdi = 0; }, Accelerated, "choose"},
        {"no format", [](FakeDriver& d) { d.chosenFormat = 0; }, FormatRejected, "choose"},
        {"generic format", [](FakeDriver& d) { d.addFlags = kPfdGenericFormat; }, FormatRejected, "choose"},
        {"generic accelerated format", [](FakeDriver& d) { d.addFlags = kPfdGenericFormat | kPfdGenericAccelerated; },
         Accelerated, kFull},
        {"no OpenGL", [](FakeDriver& d) { d.dropFlags = kPfdSupportOpenGl; }, FormatRejected, "choose"},
        {"single buffer", [](FakeDriver& d) { d.dropFlags = kPfdDoubleBuffer; }, FormatRejected, "choose"},
        {"colour index", [](FakeDriver& d) { d.pixelType = 1; }, FormatRejected, "choose"},
        {"32 bits", [](FakeDriver& d) { d.colorBits = 32; }, FormatRejected, "choose"},
        {"overlay plane", [](FakeDriver& d) { d.layerType = 1; }, FormatRejected, "choose"},
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
        EXPECT_EQ(RunOpenGlProbe(gl, kDc, gl.checkGdi), c.result) << c.name;
        EXPECT_EQ(gl.calls, c.calls) << c.name;
        EXPECT_EQ(gl.deleted, c.calls.find("delete") != std::string::npos ? kContext : nullptr) << c.name;
    }
}

}  // namespace
