// The preview window "Preview Window": a still picture of the fire inside
// the window whose id the command line gives, until that window goes away.
#pragma once

#include <X11/Xlib.h>
#include <cstdint>

namespace blazemere::host {

// Returns when the preview has ended: at once for a handle of 0, one that
// names no window, or without a display; otherwise once the parent (and with
// it the preview) has been destroyed.
void RunPreview(Display* display, std::uint32_t parentHandle);

}  // namespace blazemere::host
