// The palette file of a saver run: the built-in ramp written where the
// renderer reads it, before the renderer starts.
#pragma once

#include <string>

namespace blazemere::host {

// Writes the ramp to `path`, replacing an old file only once the new one is
// complete (a temporary file beside it, then a rename). False on failure, in
// which case any old file is left as it was and nothing else remains.
[[nodiscard]] bool WritePaletteRampFile(const std::string& path);

}  // namespace blazemere::host
