// Drive letters as text: see drive_letter_path.h.
#include "common/text.h"
#include "platform/paths/drive_letter_path.h"

namespace blazemere::platform {

bool StartsWithDriveLetter(std::string_view path) {
  return path.size() >= 2 && IsAsciiLetter(path[0]) && path[1] == ':';
}

}  // namespace blazemere::platform
