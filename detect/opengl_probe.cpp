#include "detect/opengl_probe.h"

#include <cstring>

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

// The descriptor as the choosing call left it: it receives it by address.
bool IsUsableFormat(const PixelFormatDescriptor& d) {
    const bool genericUnaccelerated = (d.dwFlags & kPfdGenericFormat) && !(d.dwFlags & kPfdGenericAccelerated);
    return (d.dwFlags & kPfdSupportOpenGl) && !genericUnaccelerated && (d.dwFlags & kPfdDoubleBuffer) &&
           d.iPixelType == kPfdTypeRgba && d.cColorBits == 16 && d.iLayerType == kPfdMainPlane;
}

// Some drivers refuse a context until GDI itself has set the format; one retry.
void* CreateContext(OpenGl& gl, void* dc, int32_t format, const PixelFormatDescriptor& descriptor) {
    void* context = gl.CreateContext(dc);
    if (context || !gl.GdiSetPixelFormat(dc, format, descriptor)) return context;
    return gl.CreateContext(dc);
}

// The software implementation names itself "GDI Generic", in exactly that case.
bool IsGenericRenderer(const unsigned char* renderer) {
    return std::strstr(reinterpret_cast<const char*>(renderer), "GDI Generic") != nullptr;
}

}  // namespace

OpenGlProbeResult RunOpenGlProbe(OpenGl& gl, void* dc, int32_t checkGdi) {
    if (!gl.IsComplete()) return NotAccelerated;

    PixelFormatDescriptor descriptor = RequestedFormat();
    const int32_t format = gl.ChoosePixelFormat(dc, descriptor);
    if (format == 0 || !IsUsableFormat(descriptor)) return FormatRejected;

    if (checkGdi == 0) return Accelerated;
    if (!gl.SetPixelFormat(dc, format, descriptor)) return NotAccelerated;
    void* context = CreateContext(gl, dc, format, descriptor);
    if (!context) return NotAccelerated;

    OpenGlProbeResult result = NotAccelerated;
    if (gl.MakeCurrent(dc, context)) {
        // A driver that answers no renderer at all proves nothing: not accelerated.
        const unsigned char* renderer = gl.GetString(kGlRenderer);
        if (renderer && !IsGenericRenderer(renderer)) result = Accelerated;
    }
    // Deleting the current context also makes it not current: no wglMakeCurrent(0) first.
    gl.DeleteContext(context);
    return result;
}
