# Sourced: the shared libraries Wine loads at run time for the display and OpenGL, each
# with its Debian package. Wine opens them itself (dlopen), so its package only
# recommends them, and an install without recommends lacks them: a 32-bit Wine without
# libGL makes no OpenGL context at all. Both loaders need the same list, so that the
# shipped 32-bit build is tested on as rich a system as the 64-bit one.
# <file under /usr/lib/<triplet>/> <package> <what Wine uses it for>
wine_runtime_libraries=(
  "libGL.so.1          libgl1            OpenGL through GLX (opengl32, the probe)"
  "libGLX_mesa.so.0    libglx-mesa0      Mesa's GLX, which libGL hands the calls to"
  "dri/swrast_dri.so   libgl1-mesa-dri   Mesa's software renderer on Xvfb"
  "libX11.so.6         libx11-6          the X display itself"
  "libXext.so.6        libxext6          shared-memory images and shapes"
  "libXrender.so.1     libxrender1       anti-aliased text and alpha blending"
  "libXrandr.so.2      libxrandr2        display modes and monitors (DirectDraw's mode list)"
  "libXi.so.6          libxi6            raw mouse input"
  "libXcursor.so.1     libxcursor1       the mouse cursor's pictures"
  "libXinerama.so.1    libxinerama1      the monitors' layout"
  "libXcomposite.so.1  libxcomposite1    windows drawn off-screen (child OpenGL windows)"
  "libXfixes.so.3      libxfixes3        the clipboard's and cursor's change events"
  "libXxf86vm.so.1     libxxf86vm1       gamma ramps"
  "libfreetype.so.6    libfreetype6      the system fonts' glyphs"
  "libfontconfig.so.1  libfontconfig1    finding the system fonts"
)

# The packages of the list, for one architecture suffix (":amd64", ":i386").
wine_runtime_packages() {
  local suffix=$1 entry
  for entry in "${wine_runtime_libraries[@]}"; do
    set -- $entry
    echo "$2$suffix"
  done
}
