// Frame pacing on X11 (GLX): see frame_pacer.h.
#include "renderer/glut/frame_pacer.h"

#include <GL/glx.h>
#include <X11/extensions/Xrandr.h>

#include "renderer/core/fire/extension_list.h"

namespace {

using SwapIntervalExt = void (*)(Display*, GLXDrawable, int);
using SwapIntervalMesa = int (*)(unsigned int);
using SwapIntervalSgi = int (*)(int);

template <typename Function>
Function GlxFunction(const char* name) {
  return reinterpret_cast<Function>(glXGetProcAddressARB(reinterpret_cast<const GLubyte*>(name)));
}

// Only an extension the driver lists may be called: glXGetProcAddress hands
// out a pointer for any name, and calling an unsupported one can crash.
bool RequestSwapIntervalOne(Display* display, GLXDrawable drawable) {
  const char* listed = glXQueryExtensionsString(display, DefaultScreen(display));
  if (listed == nullptr) return false;
  using blazemere::fire::ExtensionListed;
  if (ExtensionListed(listed, "GLX_EXT_swap_control")) {
    GlxFunction<SwapIntervalExt>("glXSwapIntervalEXT")(display, drawable, 1);
    unsigned int interval = 0;
    glXQueryDrawable(display, drawable, GLX_SWAP_INTERVAL_EXT, &interval);
    if (interval == 1) return true;
  }
  if (ExtensionListed(listed, "GLX_MESA_swap_control") &&
      GlxFunction<SwapIntervalMesa>("glXSwapIntervalMESA")(1) == 0) {
    return true;
  }
  return ExtensionListed(listed, "GLX_SGI_swap_control") &&
         GlxFunction<SwapIntervalSgi>("glXSwapIntervalSGI")(1) == 0;
}

// 0 when the server cannot tell (no RandR).
int RefreshRateHz(Display* display) {
  int eventBase = 0;
  int errorBase = 0;
  if (!XRRQueryExtension(display, &eventBase, &errorBase)) return 0;
  XRRScreenConfiguration* config = XRRGetScreenInfo(display, DefaultRootWindow(display));
  if (config == nullptr) return 0;
  const int rate = XRRConfigCurrentRate(config);
  XRRFreeScreenConfigInfo(config);
  return rate;
}

}  // namespace

void FramePacer::Start() {
  Display* display = glXGetCurrentDisplay();
  if (display == nullptr) {
    PaceBySleep(0);
    return;
  }
  if (RequestSwapIntervalOne(display, glXGetCurrentDrawable())) {
    PaceBySwap(RefreshRateHz(display));
  } else {
    PaceBySleep(RefreshRateHz(display));
  }
}
