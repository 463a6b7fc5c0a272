#pragma once
// Decides whether the primary display runs OpenGL on an accelerator or only through
// the system's generic software implementation. The entry points come in as a table
// with portable types of the same binary shape as the WGL ones, so the decisions are
// tested with fake entry points; opengl_probe_win.cpp fills the table for real.
#include <cstdint>

// 32-bit Windows entry points use __stdcall; elsewhere there is one convention.
#if defined(_WIN32) && defined(__i386__)
#define QUIMBO_WINAPI __stdcall
#else
#define QUIMBO_WINAPI
#endif

// Byte for byte PIXELFORMATDESCRIPTOR; the Windows build checks the two agree.
struct PixelFormatDescriptor {
    uint16_t nSize;
    uint16_t nVersion;
    uint32_t dwFlags;
    uint8_t iPixelType;
    uint8_t cColorBits;
    uint8_t cRedBits;
    uint8_t cRedShift;
    uint8_t cGreenBits;
    uint8_t cGreenShift;
    uint8_t cBlueBits;
    uint8_t cBlueShift;
    uint8_t cAlphaBits;
    uint8_t cAlphaShift;
    uint8_t cAccumBits;
    uint8_t cAccumRedBits;
    uint8_t cAccumGreenBits;
    uint8_t cAccumBlueBits;
    uint8_t cAccumAlphaBits;
    uint8_t cDepthBits;
    uint8_t cStencilBits;
    uint8_t cAuxBuffers;
    int8_t iLayerType;
    uint8_t bReserved;
    uint32_t dwLayerMask;
    uint32_t dwVisibleMask;
    uint32_t dwDamageMask;
};
static_assert(sizeof(PixelFormatDescriptor) == 40, "PIXELFORMATDESCRIPTOR is 40 bytes");

constexpr uint32_t kPfdDoubleBuffer = 0x1;
constexpr uint32_t kPfdDrawToWindow = 0x4;
constexpr uint32_t kPfdSupportOpenGl = 0x20;
constexpr uint32_t kPfdGenericFormat = 0x40;
constexpr uint32_t kPfdGenericAccelerated = 0x1000;
constexpr uint8_t kPfdTypeRgba = 0;
constexpr int8_t kPfdMainPlane = 0;
constexpr uint32_t kGlRenderer = 0x1F01;

// Handles are opaque here: HDC and HGLRC on Windows.
struct OpenGlApi {
    // Bound by exported name from the OpenGL library; null when missing.
    int32_t(QUIMBO_WINAPI* wglChoosePixelFormat)(void* dc, PixelFormatDescriptor* descriptor);
    int32_t(QUIMBO_WINAPI* wglSetPixelFormat)(void* dc, int32_t format, const PixelFormatDescriptor* descriptor);
    const unsigned char*(QUIMBO_WINAPI* glGetString)(uint32_t name);
    void*(QUIMBO_WINAPI* wglCreateContext)(void* dc);
    // Imported when the program loads.
    int32_t(QUIMBO_WINAPI* gdiSetPixelFormat)(void* dc, int32_t format, const PixelFormatDescriptor* descriptor);
    int32_t(QUIMBO_WINAPI* wglMakeCurrent)(void* dc, void* context);
    int32_t(QUIMBO_WINAPI* wglDeleteContext)(void* context);
};

enum OpenGlProbeResult { FormatRejected, NotAccelerated, Accelerated };

// Runs the acceleration test on `dc`. On Accelerated, and only then, sets
// hardware3DAvailable and gameConfig.hardware3DState to 1. With checkGdi 0 a format
// that passes is enough and no context is made. A table with any entry missing is never
// called through and gives NotAccelerated, which keeps the device and its modes.
OpenGlProbeResult RunOpenGlProbe(const OpenGlApi& gl, void* dc);
