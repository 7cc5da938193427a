// Writing the ramp to disk without ever leaving a half-written palette file:
// the renderer may be started right after, and a torn file would cost the
// user the fire.
#include "host/core/saver/palette_ramp_file.h"

#include "common/palette_ramp.h"
#include "platform/files/files.h"

namespace blazemere::host {

bool WritePaletteRampFile(const std::string& path) {
  if (path.empty()) return false;
  const std::vector<std::uint8_t> bytes = PaletteRampBmpFile();
  return platform::ReplaceFileAtomically(path, std::string(bytes.begin(), bytes.end()));
}

}  // namespace blazemere::host
