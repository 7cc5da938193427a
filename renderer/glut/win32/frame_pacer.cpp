// Frame pacing on Windows (WGL): see frame_pacer.h.
#include "renderer/glut/frame_pacer.h"

#include <windows.h>
#include <GL/gl.h>
#include <mmsystem.h>

#include <cstdint>
#include <string>

#include "renderer/core/fire/extension_list.h"

namespace {

using GetExtensionsStringArb = const char*(WINAPI*)(HDC);
using GetExtensionsStringExt = const char*(WINAPI*)();
using SwapIntervalExt = BOOL(WINAPI*)(int);
using GetSwapIntervalExt = int(WINAPI*)();

template <typename Function>
Function WglFunction(const char* name) {
  // wglGetProcAddress answers for the current context only, with a null
  // pointer (or, on some drivers, 1, 2, 3 or -1) for what it lacks.
  const PROC found = wglGetProcAddress(name);
  const auto value = reinterpret_cast<std::intptr_t>(found);
  if (value >= -1 && value <= 3) return nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void*>(found));
}

// The WGL extension string: through the ARB query where it exists, else the
// older EXT one; empty when the driver offers neither.
std::string WglExtensions(HDC dc) {
  if (const auto arb = WglFunction<GetExtensionsStringArb>("wglGetExtensionsStringARB")) {
    if (const char* listed = arb(dc)) return listed;
  }
  if (const auto ext = WglFunction<GetExtensionsStringExt>("wglGetExtensionsStringEXT")) {
    if (const char* listed = ext()) return listed;
  }
  return {};
}

// Only an extension the driver lists may be called; the interval is read
// back, as a driver may keep its own setting (a user's "always off").
bool RequestSwapIntervalOne(HDC dc) {
  if (!blazemere::fire::ExtensionListed(WglExtensions(dc), "WGL_EXT_swap_control")) return false;
  const auto setInterval = WglFunction<SwapIntervalExt>("wglSwapIntervalEXT");
  const auto getInterval = WglFunction<GetSwapIntervalExt>("wglGetSwapIntervalEXT");
  return setInterval != nullptr && getInterval != nullptr && setInterval(1) && getInterval() == 1;
}

}  // namespace

void FramePacer::Start() {
  // Sleeps end on the system timer's tick, 15.6 ms by default: too coarse
  // for a 16.7 ms frame. One millisecond, for the life of the renderer,
  // should the sleeping pace it (at once or after the swap check).
  timeBeginPeriod(1);
  const HDC dc = wglGetCurrentDC();
  if (dc == nullptr) {
    PaceBySleep(0);
    return;
  }
  // VREFRESH is 0 or 1 where the hardware's default is all the driver knows.
  const int refreshRateHz = GetDeviceCaps(dc, VREFRESH);
  if (RequestSwapIntervalOne(dc)) {
    PaceBySwap(refreshRateHz);
  } else {
    PaceBySleep(refreshRateHz);
  }
}
