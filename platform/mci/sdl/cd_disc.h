// The CD drive or disc image behind the "cdaudio" device, through libcdio:
// which source to use, and its table of contents.
#pragma once

#include <optional>
#include <string>

#include "platform/mci/cd_position.h"

namespace blazemere::platform::mci {

// BLAZEMERE_CDROM when set and not empty (a .cue/.bin image or a drive),
// else libcdio's default drive; nothing when there is neither.
[[nodiscard]] std::optional<std::string> CdSourceName();

// Tries `source` once; false when it is neither a drive nor a readable image.
// Only a device node or a regular file is tried, and an image only when the
// files that go with it are regular files too: nothing here ever waits on a
// named pipe.
[[nodiscard]] bool CdSourceOpens(const std::string& source);

// The tracks of the disc in `source`; empty when there is no disc.
CdToc ReadCdToc(const std::string& source);

// Keeps libcdio's own warnings off the terminal.
void SilenceCdioLog();

}  // namespace blazemere::platform::mci
