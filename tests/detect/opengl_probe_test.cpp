#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "detect/opengl_probe.h"
#include "launcher/launcher_state.h"

namespace {

int tags[2];
void* const kDc = &tags[0];
void* const kContext = &tags[1];

// Scripted OpenGL entry points; each logs its name so a test sees what was called.
struct FakeDriver {
    std::function<void(PixelFormatDescriptor&)> alterDescriptor = [](PixelFormatDescriptor&) {};
    int32_t chosenFormat = 7, makeCurrentResult = 1;
    std::vector<void*> contexts = {kContext};  // one per wglCreateContext call, in order
    const char* renderer = "Accelerated Renderer 3000";
    std::string calls;  // the entry points called, in order
    void* deleted = nullptr;
};
FakeDriver* driver;

template <class R>
R Log(const char* name, R result) {
    driver->calls += driver->calls.empty() ? name : std::string(" ") + name;
    return result;
}
int32_t QUIMBO_WINAPI ChoosePixelFormat(void*, PixelFormatDescriptor* d) {
    EXPECT_EQ(d->dwFlags, 0x25u);  // draw to window, OpenGL, double-buffered
    EXPECT_EQ(d->cColorBits, 16);
    driver->alterDescriptor(*d);
    return Log("wglChoosePixelFormat", driver->chosenFormat);
}
int32_t QUIMBO_WINAPI WglSetPixelFormat(void*, int32_t, const PixelFormatDescriptor*) { return Log("wglSetPixelFormat", 1); }
int32_t QUIMBO_WINAPI GdiSetPixelFormat(void*, int32_t, const PixelFormatDescriptor*) { return Log("SetPixelFormat", 1); }
void* QUIMBO_WINAPI CreateContext(void*) {
    void* context = nullptr;
    if (!driver->contexts.empty()) context = driver->contexts.front(), driver->contexts.erase(driver->contexts.begin());
    return Log("wglCreateContext", context);
}
int32_t QUIMBO_WINAPI MakeCurrent(void*, void*) { return Log("wglMakeCurrent", driver->makeCurrentResult); }
const unsigned char* QUIMBO_WINAPI GetString(uint32_t) {
    return Log("glGetString", reinterpret_cast<const unsigned char*>(driver->renderer));
}
int32_t QUIMBO_WINAPI DeleteContext(void* context) {
    driver->deleted = context;
    return Log("wglDeleteContext", 1);
}

const OpenGlApi kFakeApi = {ChoosePixelFormat, WglSetPixelFormat, GetString,     CreateContext,
                            GdiSetPixelFormat, MakeCurrent,       DeleteContext};

class OpenGlProbe : public ::testing::Test {
protected:
    void SetUp() override {
        driver = &fake;
        checkGdi = 1;
        hardware3DAvailable = 0;
        gameConfig.hardware3DState = 0;
    }
    FakeDriver fake;
};

TEST_F(OpenGlProbe, RejectsAFormatThatIsNotChosenOrFailsATest) {
    const std::function<void(PixelFormatDescriptor&)> alterations[] = {
        [](PixelFormatDescriptor& d) { d.dwFlags &= ~kPfdSupportOpenGl; },
        [](PixelFormatDescriptor& d) { d.dwFlags |= kPfdGenericFormat; },
        [](PixelFormatDescriptor& d) { d.dwFlags &= ~kPfdDoubleBuffer; },
        [](PixelFormatDescriptor& d) { d.iPixelType = 1; },
        [](PixelFormatDescriptor& d) { d.cColorBits = 32; },
        [](PixelFormatDescriptor& d) { d.iLayerType = 1; },
        [](PixelFormatDescriptor&) { driver->chosenFormat = 0; },
    };
    for (const auto& alteration : alterations) {
        FakeDriver rejecting;
        rejecting.alterDescriptor = alteration;
        driver = &rejecting;
        EXPECT_EQ(RunOpenGlProbe(kFakeApi, kDc), FormatRejected);
        EXPECT_EQ(rejecting.calls, "wglChoosePixelFormat");
    }
    EXPECT_EQ(hardware3DAvailable + gameConfig.hardware3DState, 0);
}

TEST_F(OpenGlProbe, OutcomeAndCallsFollowTheDriver) {
    const std::string kFull = "wglChoosePixelFormat wglSetPixelFormat wglCreateContext wglMakeCurrent glGetString "
                              "wglDeleteContext";
    const struct {
        const char* name;
        std::function<void(FakeDriver&)> script;
        OpenGlProbeResult result;
        std::string calls;
    } cases[] = {
        {"accelerated", [](FakeDriver&) {}, Accelerated, kFull},
        {"checkGdi 0: no context", [](FakeDriver& d) { checkGdi = 0, d.renderer = "GDI Generic"; }, Accelerated,
         "wglChoosePixelFormat"},
        {"second context after GDI sets the format", [](FakeDriver& d) { d.contexts = {nullptr, kContext}; },
         Accelerated,
         "wglChoosePixelFormat wglSetPixelFormat wglCreateContext SetPixelFormat wglCreateContext wglMakeCurrent "
         "glGetString wglDeleteContext"},
        {"generic name in another case", [](FakeDriver& d) { d.renderer = "gdi GENERIC"; }, Accelerated, kFull},
        {"software renderer keeps an earlier accelerator",
         [](FakeDriver& d) { hardware3DAvailable = 1, d.renderer = "Microsoft Corporation GDI Generic"; },
         NotAccelerated, kFull},
        {"context not made current, still deleted", [](FakeDriver& d) { d.makeCurrentResult = 0; }, NotAccelerated,
         "wglChoosePixelFormat wglSetPixelFormat wglCreateContext wglMakeCurrent wglDeleteContext"},
    };
    for (const auto& c : cases) {
        FakeDriver scripted;
        SetUp();
        driver = &scripted;
        c.script(scripted);
        const int availableBefore = hardware3DAvailable;
        EXPECT_EQ(RunOpenGlProbe(kFakeApi, kDc), c.result) << c.name;
        EXPECT_EQ(scripted.calls, c.calls) << c.name;
        EXPECT_EQ(hardware3DAvailable, c.result == Accelerated ? 1 : availableBefore) << c.name;
        EXPECT_EQ(gameConfig.hardware3DState, c.result == Accelerated ? 1 : 0) << c.name;
        const bool deletes = c.calls.find("wglDeleteContext") != std::string::npos;
        EXPECT_EQ(scripted.deleted, deletes ? kContext : nullptr) << c.name;
    }
}

TEST_F(OpenGlProbe, MissingEntryPointIsNeverCalled) {
    for (size_t entry = 0; entry < sizeof(OpenGlApi) / sizeof(void*); ++entry) {
        OpenGlApi api = kFakeApi;
        std::memset(reinterpret_cast<char*>(&api) + entry * sizeof(void*), 0, sizeof(void*));  // this one missing
        EXPECT_EQ(RunOpenGlProbe(api, kDc), NotAccelerated) << entry;
    }
    EXPECT_TRUE(fake.calls.empty());
    EXPECT_EQ(hardware3DAvailable + gameConfig.hardware3DState, 0);
}

}  // namespace
