// Music file kind: see music_file_kind.h.
#include "host/core/settings/music_file_kind.h"

namespace blazemere::host {

std::string MusicFileKind(const std::string& bgmFile) {
  std::string kind = bgmFile.size() < 3 ? bgmFile : bgmFile.substr(bgmFile.size() - 3);
  for (char& c : kind) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return kind;
}

}  // namespace blazemere::host
