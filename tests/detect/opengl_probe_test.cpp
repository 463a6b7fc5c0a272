#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "detect/opengl_probe.h"
#include "launcher/launcher_state.h"

namespace {

int tags[2];
void* const kDc = &tags[0];
void* const kContext = &tags[1];
using Calls = std::vector<std::string>;

// Scripted OpenGL entry points; each logs its name so a test sees what was called.
struct FakeDriver {
    void (*alterDescriptor)(PixelFormatDescriptor&) = [](PixelFormatDescriptor&) {};
    int32_t chosenFormat = 7, wglSetResult = 1, gdiSetResult = 1, makeCurrentResult = 1;
    std::vector<void*> contexts = {kContext};  // one per wglCreateContext call, in order
    const char* renderer = "Accelerated Renderer 3000";

    Calls calls;
    PixelFormatDescriptor requested{};
    int32_t formatSet = 0;
    void* deleted = nullptr;
};
FakeDriver* driver;

int32_t QUIMBO_WINAPI ChoosePixelFormat(void* dc, PixelFormatDescriptor* descriptor) {
    driver->calls.push_back("wglChoosePixelFormat");
    EXPECT_EQ(dc, kDc);
    driver->requested = *descriptor;
    driver->alterDescriptor(*descriptor);
    return driver->chosenFormat;
}
int32_t SetFormat(const char* name, int32_t format, int32_t result) {
    driver->calls.push_back(name);
    driver->formatSet = format;
    return result;
}
int32_t QUIMBO_WINAPI WglSetPixelFormat(void*, int32_t format, const PixelFormatDescriptor*) {
    return SetFormat("wglSetPixelFormat", format, driver->wglSetResult);
}
int32_t QUIMBO_WINAPI GdiSetPixelFormat(void*, int32_t format, const PixelFormatDescriptor*) {
    return SetFormat("SetPixelFormat", format, driver->gdiSetResult);
}
void* QUIMBO_WINAPI CreateContext(void*) {
    driver->calls.push_back("wglCreateContext");
    if (driver->contexts.empty()) return nullptr;
    void* context = driver->contexts.front();
    driver->contexts.erase(driver->contexts.begin());
    return context;
}
int32_t QUIMBO_WINAPI MakeCurrent(void*, void* context) {
    driver->calls.push_back("wglMakeCurrent");
    EXPECT_EQ(context, kContext);
    return driver->makeCurrentResult;
}
const unsigned char* QUIMBO_WINAPI GetString(uint32_t name) {
    driver->calls.push_back("glGetString");
    EXPECT_EQ(name, kGlRenderer);
    return reinterpret_cast<const unsigned char*>(driver->renderer);
}
int32_t QUIMBO_WINAPI DeleteContext(void* context) {
    driver->calls.push_back("wglDeleteContext");
    driver->deleted = context;
    return 1;
}

const OpenGlApi kFakeApi = {ChoosePixelFormat, WglSetPixelFormat, GetString,     CreateContext,
                            GdiSetPixelFormat, MakeCurrent,       DeleteContext};

class OpenGlProbe : public ::testing::Test {
protected:
    void SetUp() override { Reset(fake); }
    void Reset(FakeDriver& next) {
        driver = &next;
        checkGdi = 1;
        hardware3DAvailable = 0;
        gameConfig.hardware3DState = 0;
    }
    OpenGlProbeResult Probe() { return RunOpenGlProbe(kFakeApi, kDc); }

    FakeDriver fake;
};

TEST_F(OpenGlProbe, RejectsAFormatThatIsNotChosenOrFailsATest) {
    const decltype(FakeDriver::alterDescriptor) alterations[] = {
        [](PixelFormatDescriptor& d) { d.dwFlags &= ~kPfdSupportOpenGl; },
        [](PixelFormatDescriptor& d) { d.dwFlags |= kPfdGenericFormat; },
        [](PixelFormatDescriptor& d) { d.dwFlags &= ~kPfdDoubleBuffer; },
        [](PixelFormatDescriptor& d) { d.iPixelType = 1; },
        [](PixelFormatDescriptor& d) { d.cColorBits = 32; },
        [](PixelFormatDescriptor& d) { d.iLayerType = 1; },
        [](PixelFormatDescriptor&) { driver->chosenFormat = 0; },
    };
    for (size_t i = 0; i < std::size(alterations); ++i) {
        FakeDriver rejecting;
        rejecting.alterDescriptor = alterations[i];
        driver = &rejecting;
        EXPECT_EQ(Probe(), FormatRejected) << i;
        EXPECT_EQ(rejecting.calls, Calls{"wglChoosePixelFormat"}) << i;
    }
    EXPECT_EQ(hardware3DAvailable + gameConfig.hardware3DState, 0);
}

TEST_F(OpenGlProbe, OutcomeAndCallsFollowTheDriver) {
    const Calls kFull = {"wglChoosePixelFormat", "wglSetPixelFormat", "wglCreateContext",
                         "wglMakeCurrent",       "glGetString",       "wglDeleteContext"};
    const Calls kUntilContext = {"wglChoosePixelFormat", "wglSetPixelFormat", "wglCreateContext", "SetPixelFormat"};
    struct Case {
        const char* name;
        std::function<void(FakeDriver&)> script;
        OpenGlProbeResult result;
        Calls calls;
    };
    const Case cases[] = {
        {"accelerated", [](FakeDriver&) {}, Accelerated, kFull},
        {"generic but accelerated format",
         [](FakeDriver& d) {
             d.alterDescriptor = [](PixelFormatDescriptor& p) { p.dwFlags |= kPfdGenericFormat | kPfdGenericAccelerated; };
         },
         Accelerated, kFull},
        {"checkGdi 0: the format is enough, no context", [](FakeDriver& d) { checkGdi = 0, d.renderer = "GDI Generic"; },
         Accelerated, {"wglChoosePixelFormat"}},
        {"first context refused until GDI sets the format", [](FakeDriver& d) { d.contexts = {nullptr, kContext}; },
         Accelerated,
         {"wglChoosePixelFormat", "wglSetPixelFormat", "wglCreateContext", "SetPixelFormat", "wglCreateContext",
          "wglMakeCurrent", "glGetString", "wglDeleteContext"}},
        {"generic name in another case", [](FakeDriver& d) { d.renderer = "gdi GENERIC"; }, Accelerated, kFull},
        {"software renderer keeps an earlier accelerator",
         [](FakeDriver& d) { hardware3DAvailable = 1, d.renderer = "Microsoft Corporation GDI Generic"; },
         NotAccelerated, kFull},
        {"no renderer string", [](FakeDriver& d) { d.renderer = nullptr; }, NotAccelerated, kFull},
        {"context not made current, still deleted", [](FakeDriver& d) { d.makeCurrentResult = 0; }, NotAccelerated,
         {"wglChoosePixelFormat", "wglSetPixelFormat", "wglCreateContext", "wglMakeCurrent", "wglDeleteContext"}},
        {"format not set", [](FakeDriver& d) { d.wglSetResult = 0; }, NotAccelerated,
         {"wglChoosePixelFormat", "wglSetPixelFormat"}},
        {"GDI cannot set the format", [](FakeDriver& d) { d.contexts = {}, d.gdiSetResult = 0; }, NotAccelerated,
         kUntilContext},
        {"no context twice", [](FakeDriver& d) { d.contexts = {}; }, NotAccelerated,
         {"wglChoosePixelFormat", "wglSetPixelFormat", "wglCreateContext", "SetPixelFormat", "wglCreateContext"}},
    };
    PixelFormatDescriptor requested{};  // 16-bit double-buffered RGBA, nothing more
    requested.nSize = 40;
    requested.nVersion = 1;
    requested.dwFlags = 0x25;
    requested.cColorBits = 16;
    for (const Case& c : cases) {
        FakeDriver scripted;
        Reset(scripted);
        c.script(scripted);
        const int availableBefore = hardware3DAvailable;
        EXPECT_EQ(Probe(), c.result) << c.name;
        EXPECT_EQ(scripted.calls, c.calls) << c.name;
        EXPECT_EQ(hardware3DAvailable, c.result == Accelerated ? 1 : availableBefore) << c.name;
        EXPECT_EQ(gameConfig.hardware3DState, c.result == Accelerated ? 1 : 0) << c.name;
        EXPECT_EQ(scripted.formatSet, c.calls.size() > 1 ? 7 : 0) << c.name;
        EXPECT_EQ(scripted.deleted, c.calls.back() == "wglDeleteContext" ? kContext : nullptr) << c.name;
        EXPECT_EQ(std::memcmp(&scripted.requested, &requested, sizeof requested), 0) << c.name;
    }
}

TEST_F(OpenGlProbe, MissingEntryPointIsNeverCalled) {
    static_assert(sizeof(OpenGlApi) == 7 * sizeof(void*), "seven entry points");
    for (size_t entry = 0; entry < 7; ++entry) {
        OpenGlApi api = kFakeApi;
        std::memset(reinterpret_cast<char*>(&api) + entry * sizeof(void*), 0, sizeof(void*));  // this one missing
        EXPECT_EQ(RunOpenGlProbe(api, kDc), NotAccelerated) << entry;
    }
    EXPECT_TRUE(fake.calls.empty());
    EXPECT_EQ(hardware3DAvailable + gameConfig.hardware3DState, 0);
}

}  // namespace
