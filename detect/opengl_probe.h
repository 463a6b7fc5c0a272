#pragma once
// Decides whether the primary display runs OpenGL on an accelerator or only through
// the system's generic software implementation.
#include <cstdint>

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

// The OpenGL and GDI calls the probe makes. Handles are opaque here: HDC and HGLRC on
// Windows, where opengl_probe_win.cpp binds them to opengl32.dll.
class OpenGl {
public:
    // False when the library lacks an entry point: then nothing is called.
    virtual bool IsComplete() const = 0;
    // The descriptor comes back as the driver filled it in.
    virtual int32_t ChoosePixelFormat(void* dc, PixelFormatDescriptor& descriptor) = 0;  // wglChoosePixelFormat
    virtual bool SetPixelFormat(void* dc, int32_t format, const PixelFormatDescriptor& descriptor) = 0;  // wgl
    virtual bool GdiSetPixelFormat(void* dc, int32_t format, const PixelFormatDescriptor& descriptor) = 0;
    virtual void* CreateContext(void* dc) = 0;
    virtual bool MakeCurrent(void* dc, void* context) = 0;
    virtual bool DeleteContext(void* context) = 0;
    virtual const unsigned char* GetString(uint32_t name) = 0;

protected:
    ~OpenGl() = default;
};

enum OpenGlProbeResult { FormatRejected, NotAccelerated, Accelerated };

// Runs the acceleration test on `dc`. With checkGdi 0 a format that passes is enough
// and no context is made. An incomplete library gives NotAccelerated, which keeps the
// device and its modes.
OpenGlProbeResult RunOpenGlProbe(OpenGl& gl, void* dc, int32_t checkGdi);
