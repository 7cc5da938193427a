// The settings' meanings: see host_settings.h.
#include "host/core/settings/host_settings.h"

#include "common/text.h"

namespace blazemere::host {

MusicFileKind MusicFileKindOf(std::string_view path) {
  if (EndsWithIgnoringAsciiCase(path, "WAV")) return MusicFileKind::kWav;
  if (EndsWithIgnoringAsciiCase(path, "MP3")) return MusicFileKind::kMp3;
  return MusicFileKind::kOther;
}

}  // namespace blazemere::host
