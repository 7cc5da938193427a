// The preview window "Preview Window" on Windows: a still picture of the
// fire as a child of the window whose handle the command line gives (the
// small screen of the Display Properties), until that window goes away.
#pragma once

#include <cstdint>

namespace blazemere::host {

// Returns when the preview has ended: at once for a handle of 0 or one that
// names no window; otherwise once the parent (and with it the preview) has
// been destroyed.
void RunPreview(std::uint32_t parentHandle);

}  // namespace blazemere::host
