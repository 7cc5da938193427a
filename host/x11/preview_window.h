// The preview window "Preview Window": a still picture of the fire inside
// the window whose id the command line gives, until that window goes away.
#pragma once

#include <cstdint>

#include "platform/x11/x11_connection.h"

namespace blazemere::host {

// Returns when the preview has ended: at once for a handle of 0 or one that
// names no window; otherwise once the parent (and with it the preview) has
// been destroyed.
void RunPreview(platform::X11Connection& connection, std::uint32_t parentHandle);

}  // namespace blazemere::host
