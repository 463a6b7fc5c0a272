#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "detect/opengl_probe.h"
#include "launcher/launcher_state.h"

namespace {

// Scripted OpenGL entry points; each logs its name so a test sees what was called.
struct FakeDriver {
    int32_t chosenFormat = 7;
    std::function<void(PixelFormatDescriptor&)> alterDescriptor = [](PixelFormatDescriptor&) {};
    int32_t wglSetPixelFormatResult = 1;
    std::vector<void*> createdContexts;  // one per wglCreateContext call, in order
    int32_t gdiSetPixelFormatResult = 1;
    int32_t makeCurrentResult = 1;
    const char* renderer = "Accelerated Renderer 3000";

    std::vector<std::string> calls;
    PixelFormatDescriptor requested{};
    int32_t formatSet = 0;
    void* madeCurrent = nullptr;
    void* deleted = nullptr;
};
FakeDriver* driver;
int dcTag;
void* const kDc = &dcTag;
int contextTags[2];
void* const kContext = &contextTags[0];

int32_t QUIMBO_WINAPI ChoosePixelFormat(void* dc, PixelFormatDescriptor* descriptor) {
    driver->calls.push_back("wglChoosePixelFormat");
    EXPECT_EQ(dc, kDc);
    driver->requested = *descriptor;
    driver->alterDescriptor(*descriptor);
    return driver->chosenFormat;
}
int32_t QUIMBO_WINAPI WglSetPixelFormat(void*, int32_t format, const PixelFormatDescriptor*) {
    driver->calls.push_back("wglSetPixelFormat");
    driver->formatSet = format;
    return driver->wglSetPixelFormatResult;
}
int32_t QUIMBO_WINAPI GdiSetPixelFormat(void*, int32_t format, const PixelFormatDescriptor*) {
    driver->calls.push_back("SetPixelFormat");
    driver->formatSet = format;
    return driver->gdiSetPixelFormatResult;
}
void* QUIMBO_WINAPI CreateContext(void*) {
    const size_t call = driver->calls.size();
    driver->calls.push_back("wglCreateContext");
    size_t made = 0;
    for (size_t i = 0; i < call; ++i) made += driver->calls[i] == "wglCreateContext";
    return made < driver->createdContexts.size() ? driver->createdContexts[made] : nullptr;
}
int32_t QUIMBO_WINAPI MakeCurrent(void*, void* context) {
    driver->calls.push_back("wglMakeCurrent");
    driver->madeCurrent = context;
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

using Calls = std::vector<std::string>;
const Calls kFullTest = {"wglChoosePixelFormat", "wglSetPixelFormat", "wglCreateContext",
                         "wglMakeCurrent",       "glGetString",       "wglDeleteContext"};

class OpenGlProbe : public ::testing::Test {
protected:
    void SetUp() override {
        driver = &fake;
        fake.createdContexts = {kContext};
        checkGdi = 1;
        hardware3DAvailable = 0;
        gameConfig.hardware3DState = 0;
    }
    void TearDown() override { driver = nullptr; }

    OpenGlProbeResult Probe() { return RunOpenGlProbe(kFakeApi, kDc); }
    void ExpectNothingRecorded() {
        EXPECT_EQ(hardware3DAvailable, 0);
        EXPECT_EQ(gameConfig.hardware3DState, 0);
    }

    FakeDriver fake;
};

TEST_F(OpenGlProbe, AcceleratedDriverIsRecordedAndItsContextDeleted) {
    EXPECT_EQ(Probe(), Accelerated);
    EXPECT_EQ(fake.calls, kFullTest);
    EXPECT_EQ(hardware3DAvailable, 1);
    EXPECT_EQ(gameConfig.hardware3DState, 1);
    EXPECT_EQ(fake.formatSet, 7);
    EXPECT_EQ(fake.madeCurrent, kContext);
    EXPECT_EQ(fake.deleted, kContext);
}

TEST_F(OpenGlProbe, RequestsSixteenBitDoubleBufferedRgbaOnly) {
    Probe();
    PixelFormatDescriptor expected{};
    expected.nSize = 40;
    expected.nVersion = 1;
    expected.dwFlags = 0x25;
    expected.cColorBits = 16;
    EXPECT_EQ(std::memcmp(&fake.requested, &expected, sizeof expected), 0);
}

TEST_F(OpenGlProbe, RejectsAFormatThatIsNotChosenOrFailsATest) {
    const std::vector<std::pair<const char*, std::function<void(PixelFormatDescriptor&)>>> alterations = {
        {"no OpenGL", [](PixelFormatDescriptor& d) { d.dwFlags &= ~kPfdSupportOpenGl; }},
        {"generic", [](PixelFormatDescriptor& d) { d.dwFlags |= kPfdGenericFormat; }},
        {"single buffer", [](PixelFormatDescriptor& d) { d.dwFlags &= ~kPfdDoubleBuffer; }},
        {"colour index", [](PixelFormatDescriptor& d) { d.iPixelType = 1; }},
        {"32-bit colour", [](PixelFormatDescriptor& d) { d.cColorBits = 32; }},
        {"overlay plane", [](PixelFormatDescriptor& d) { d.iLayerType = 1; }},
    };
    for (const auto& alteration : alterations) {
        FakeDriver rejecting;
        rejecting.alterDescriptor = alteration.second;
        driver = &rejecting;
        EXPECT_EQ(Probe(), FormatRejected) << alteration.first;
        EXPECT_EQ(rejecting.calls, Calls{"wglChoosePixelFormat"}) << alteration.first;
    }
    FakeDriver noFormat;
    noFormat.chosenFormat = 0;
    driver = &noFormat;
    EXPECT_EQ(Probe(), FormatRejected);
    EXPECT_EQ(noFormat.calls, Calls{"wglChoosePixelFormat"});
    ExpectNothingRecorded();
}

TEST_F(OpenGlProbe, GenericFormatPassesWhenAccelerated) {
    fake.alterDescriptor = [](PixelFormatDescriptor& d) { d.dwFlags |= kPfdGenericFormat | kPfdGenericAccelerated; };
    EXPECT_EQ(Probe(), Accelerated);
}

TEST_F(OpenGlProbe, WithoutCheckGdiAPassingFormatIsEnoughAndNoContextIsMade) {
    checkGdi = 0;
    fake.renderer = "GDI Generic";
    EXPECT_EQ(Probe(), Accelerated);
    EXPECT_EQ(fake.calls, Calls{"wglChoosePixelFormat"});
    EXPECT_EQ(hardware3DAvailable, 1);
    EXPECT_EQ(gameConfig.hardware3DState, 1);
}

TEST_F(OpenGlProbe, ContextRefusedUntilGdiSetsTheFormat) {
    fake.createdContexts = {nullptr, kContext};
    EXPECT_EQ(Probe(), Accelerated);
    EXPECT_EQ(fake.calls, (Calls{"wglChoosePixelFormat", "wglSetPixelFormat", "wglCreateContext", "SetPixelFormat",
                                 "wglCreateContext", "wglMakeCurrent", "glGetString", "wglDeleteContext"}));
    EXPECT_EQ(fake.formatSet, 7);
    EXPECT_EQ(fake.deleted, kContext);
}

TEST_F(OpenGlProbe, FailuresAfterTheFormatGiveNotAccelerated) {
    struct Case {
        const char* name;
        std::function<void(FakeDriver&)> script;
        Calls calls;
    };
    const Case cases[] = {
        {"format not set", [](FakeDriver& d) { d.wglSetPixelFormatResult = 0; },
         {"wglChoosePixelFormat", "wglSetPixelFormat"}},
        {"GDI cannot set the format", [](FakeDriver& d) { d.createdContexts = {}; d.gdiSetPixelFormatResult = 0; },
         {"wglChoosePixelFormat", "wglSetPixelFormat", "wglCreateContext", "SetPixelFormat"}},
        {"no context twice", [](FakeDriver& d) { d.createdContexts = {}; },
         {"wglChoosePixelFormat", "wglSetPixelFormat", "wglCreateContext", "SetPixelFormat", "wglCreateContext"}},
        {"context not made current", [](FakeDriver& d) { d.makeCurrentResult = 0; },
         {"wglChoosePixelFormat", "wglSetPixelFormat", "wglCreateContext", "wglMakeCurrent", "wglDeleteContext"}},
        {"software renderer", [](FakeDriver& d) { d.renderer = "GDI Generic"; }, kFullTest},
        {"no renderer string", [](FakeDriver& d) { d.renderer = nullptr; }, kFullTest},
    };
    for (const Case& c : cases) {
        FakeDriver failing;
        failing.createdContexts = {kContext};
        c.script(failing);
        driver = &failing;
        EXPECT_EQ(Probe(), NotAccelerated) << c.name;
        EXPECT_EQ(failing.calls, c.calls) << c.name;
        if (failing.calls.back() == "wglDeleteContext") {
            EXPECT_EQ(failing.deleted, kContext) << c.name;
        }
    }
    ExpectNothingRecorded();
}

TEST_F(OpenGlProbe, SoftwareRendererKeepsAnEarlierAccelerator) {
    hardware3DAvailable = 1;
    fake.renderer = "Microsoft Corporation GDI Generic";
    EXPECT_EQ(Probe(), NotAccelerated);
    EXPECT_EQ(hardware3DAvailable, 1);
}

TEST_F(OpenGlProbe, GenericNameIsMatchedWithItsCase) {
    for (const char* renderer : {"gdi generic", "GDI GENERIC", "GDI generic"}) {
        FakeDriver other;
        other.createdContexts = {kContext};
        other.renderer = renderer;
        driver = &other;
        EXPECT_EQ(Probe(), Accelerated) << renderer;
    }
}

TEST_F(OpenGlProbe, MissingEntryPointIsNeverCalled) {
    const std::function<void(OpenGlApi&)> removals[] = {
        [](OpenGlApi& a) { a.wglChoosePixelFormat = nullptr; }, [](OpenGlApi& a) { a.wglSetPixelFormat = nullptr; },
        [](OpenGlApi& a) { a.glGetString = nullptr; },          [](OpenGlApi& a) { a.wglCreateContext = nullptr; },
        [](OpenGlApi& a) { a.gdiSetPixelFormat = nullptr; },    [](OpenGlApi& a) { a.wglMakeCurrent = nullptr; },
        [](OpenGlApi& a) { a.wglDeleteContext = nullptr; },
    };
    for (const auto& remove : removals) {
        OpenGlApi api = kFakeApi;
        remove(api);
        EXPECT_EQ(RunOpenGlProbe(api, kDc), NotAccelerated);
    }
    EXPECT_TRUE(fake.calls.empty());
    ExpectNothingRecorded();
}

}  // namespace
