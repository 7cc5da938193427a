// The per-user settings copy on a POSIX system: see profile_paths.h.
// $XDG_CONFIG_HOME/blazemere/<name of file> (absolute XDG_CONFIG_HOME only),
// else <home>/.config/blazemere/<name>.
#include <cstdlib>

#include "common/path_text.h"
#include "platform/ini/profile_paths.h"
#include "platform/paths/home_folder.h"

namespace blazemere::platform {

std::string PerUserProfilePath(const std::string& file) {
  std::string base;
  if (const char* xdgConfigHome = std::getenv("XDG_CONFIG_HOME"); xdgConfigHome != nullptr && xdgConfigHome[0] == '/') {
    base = xdgConfigHome;
  } else if (const std::string home = HomeFolder(); home.starts_with('/')) {
    base = home + "/.config";
  } else {
    return {};
  }
  return base + "/blazemere/" + NameOf(file, kPosixPathSeparators);
}

}  // namespace blazemere::platform
