// Native paths on Windows: see native_path.h.
#include "platform/paths/native_path.h"

#include "common/path_text.h"

namespace blazemere::platform {

std::string NativeFolderOf(std::string_view path) {
  const std::string folder = FolderOf(path, "\\/");
  // "C:" alone would name the drive's current folder, not its root.
  return folder.size() == 2 && folder[1] == ':' ? folder + "\\" : folder;
}

}  // namespace blazemere::platform
