#include "detect/opengl_probe.h"

#include <cstring>

#include "launcher/launcher_state.h"

namespace {

PixelFormatDescriptor RequestedFormat() {
    PixelFormatDescriptor descriptor{};
    descriptor.nSize = sizeof descriptor;
    descriptor.nVersion = 1;
    descriptor.dwFlags = kPfdDrawToWindow | kPfdSupportOpenGl | kPfdDoubleBuffer;
    descriptor.iPixelType = kPfdTypeRgba;
    descriptor.cColorBits = 16;
    descriptor.iLayerType = kPfdMainPlane;
    return descriptor;
}

bool IsComplete(const OpenGlApi& gl) {
    return gl.wglChoosePixelFormat && gl.wglSetPixelFormat && gl.glGetString && gl.wglCreateContext &&
           gl.gdiSetPixelFormat && gl.wglMakeCurrent && gl.wglDeleteContext;
}

// The descriptor as the choosing call left it: it receives it by address.
bool IsUsableFormat(const PixelFormatDescriptor& d) {
    const bool genericUnaccelerated =
        (d.dwFlags & kPfdGenericFormat) && !(d.dwFlags & kPfdGenericAccelerated);
    return (d.dwFlags & kPfdSupportOpenGl) && !genericUnaccelerated && (d.dwFlags & kPfdDoubleBuffer) &&
           d.iPixelType == kPfdTypeRgba && d.cColorBits == 16 && d.iLayerType == kPfdMainPlane;
}

void RecordAccelerator() {
    hardware3DAvailable = 1;
    gameConfig.hardware3DState = 1;
}

// Some drivers refuse a context until GDI itself has set the format; one retry.
void* CreateContext(const OpenGlApi& gl, void* dc, int32_t format, const PixelFormatDescriptor& descriptor) {
    void* context = gl.wglCreateContext(dc);
    if (context || !gl.gdiSetPixelFormat(dc, format, &descriptor)) return context;
    return gl.wglCreateContext(dc);
}

// The software implementation names itself "GDI Generic", in exactly that case.
bool IsGenericRenderer(const unsigned char* renderer) {
    return std::strstr(reinterpret_cast<const char*>(renderer), "GDI Generic") != nullptr;
}

}  // namespace

OpenGlProbeResult RunOpenGlProbe(const OpenGlApi& gl, void* dc) {
    if (!IsComplete(gl)) return NotAccelerated;

    PixelFormatDescriptor descriptor = RequestedFormat();
    const int32_t format = gl.wglChoosePixelFormat(dc, &descriptor);
    if (format == 0 || !IsUsableFormat(descriptor)) return FormatRejected;

    if (checkGdi == 0) {
        RecordAccelerator();
        return Accelerated;
    }
    if (!gl.wglSetPixelFormat(dc, format, &descriptor)) return NotAccelerated;
    void* context = CreateContext(gl, dc, format, descriptor);
    if (!context) return NotAccelerated;

    OpenGlProbeResult result = NotAccelerated;
    if (gl.wglMakeCurrent(dc, context)) {
        // A driver that answers no renderer at all proves nothing: not accelerated.
        const unsigned char* renderer = gl.glGetString(kGlRenderer);
        if (renderer && !IsGenericRenderer(renderer)) {
            RecordAccelerator();
            result = Accelerated;
        }
    }
    // Deleting the current context also makes it not current: no wglMakeCurrent(0) first.
    gl.wglDeleteContext(context);
    return result;
}
