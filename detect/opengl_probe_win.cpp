#include "detect/opengl_probe_win.h"

#include <GL/gl.h>

#include <cstddef>

#define SAME_FIELD(field)                                                                             \
    static_assert(offsetof(PIXELFORMATDESCRIPTOR, field) == offsetof(PixelFormatDescriptor, field) && \
                      sizeof(PIXELFORMATDESCRIPTOR::field) == sizeof(PixelFormatDescriptor::field),   \
                  "PixelFormatDescriptor must match PIXELFORMATDESCRIPTOR: " #field)
static_assert(sizeof(PIXELFORMATDESCRIPTOR) == sizeof(PixelFormatDescriptor), "descriptor size");
SAME_FIELD(nSize);
SAME_FIELD(nVersion);
SAME_FIELD(dwFlags);
SAME_FIELD(iPixelType);
SAME_FIELD(cColorBits);
SAME_FIELD(cRedBits);
SAME_FIELD(cRedShift);
SAME_FIELD(cGreenBits);
SAME_FIELD(cGreenShift);
SAME_FIELD(cBlueBits);
SAME_FIELD(cBlueShift);
SAME_FIELD(cAlphaBits);
SAME_FIELD(cAlphaShift);
SAME_FIELD(cAccumBits);
SAME_FIELD(cAccumRedBits);
SAME_FIELD(cAccumGreenBits);
SAME_FIELD(cAccumBlueBits);
SAME_FIELD(cAccumAlphaBits);
SAME_FIELD(cDepthBits);
SAME_FIELD(cStencilBits);
SAME_FIELD(cAuxBuffers);
SAME_FIELD(iLayerType);
SAME_FIELD(bReserved);
SAME_FIELD(dwLayerMask);
SAME_FIELD(dwVisibleMask);
SAME_FIELD(dwDamageMask);
#undef SAME_FIELD
static_assert(PFD_DOUBLEBUFFER == kPfdDoubleBuffer && PFD_DRAW_TO_WINDOW == kPfdDrawToWindow &&
                  PFD_SUPPORT_OPENGL == kPfdSupportOpenGl && PFD_GENERIC_FORMAT == kPfdGenericFormat &&
                  PFD_GENERIC_ACCELERATED == kPfdGenericAccelerated && PFD_TYPE_RGBA == kPfdTypeRgba &&
                  PFD_MAIN_PLANE == kPfdMainPlane && GL_RENDERER == kGlRenderer,
              "constants");

namespace {

// The descriptor's portable twin has the same bytes (checked above).
PIXELFORMATDESCRIPTOR* Native(PixelFormatDescriptor& descriptor) {
    return reinterpret_cast<PIXELFORMATDESCRIPTOR*>(&descriptor);
}
const PIXELFORMATDESCRIPTOR* Native(const PixelFormatDescriptor& descriptor) {
    return reinterpret_cast<const PIXELFORMATDESCRIPTOR*>(&descriptor);
}

template <typename Function>
void Bind(HMODULE module, Function& entryPoint, const char* exportedName) {
    // GetProcAddress answers a generic function pointer; through void* it takes the
    // export's own type without a function-to-function cast.
    entryPoint = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, exportedName)));
}

}  // namespace

OpenGlLibrary::OpenGlLibrary(const char* libraryName) : m_module(LoadLibraryA(libraryName)) {
    if (!m_module) return;
    Bind(m_module, m_choosePixelFormat, "wglChoosePixelFormat");
    Bind(m_module, m_setPixelFormat, "wglSetPixelFormat");
    Bind(m_module, m_getString, "glGetString");
    Bind(m_module, m_createContext, "wglCreateContext");
}

OpenGlLibrary::~OpenGlLibrary() {
    if (m_module) FreeLibrary(m_module);
}

bool OpenGlLibrary::IsComplete() const {
    return m_choosePixelFormat && m_setPixelFormat && m_getString && m_createContext;
}

int32_t OpenGlLibrary::ChoosePixelFormat(void* dc, PixelFormatDescriptor& descriptor) {
    return m_choosePixelFormat(static_cast<HDC>(dc), Native(descriptor));
}

bool OpenGlLibrary::SetPixelFormat(void* dc, int32_t format, const PixelFormatDescriptor& descriptor) {
    return m_setPixelFormat(static_cast<HDC>(dc), format, Native(descriptor));
}

bool OpenGlLibrary::GdiSetPixelFormat(void* dc, int32_t format, const PixelFormatDescriptor& descriptor) {
    return ::SetPixelFormat(static_cast<HDC>(dc), format, Native(descriptor));
}

void* OpenGlLibrary::CreateContext(void* dc) { return m_createContext(static_cast<HDC>(dc)); }

bool OpenGlLibrary::MakeCurrent(void* dc, void* context) {
    return wglMakeCurrent(static_cast<HDC>(dc), static_cast<HGLRC>(context));
}

bool OpenGlLibrary::DeleteContext(void* context) { return wglDeleteContext(static_cast<HGLRC>(context)); }

const unsigned char* OpenGlLibrary::GetString(uint32_t name) { return m_getString(name); }
