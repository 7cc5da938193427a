// Where a settings file is read and written on a POSIX system: the file
// itself while its folder takes new files, else a per-user copy under the
// user's configuration folder. Pure, so the choice can be checked without
// the file system.
#pragma once

#include <string>

#include "platform/ini/ini_file.h"

namespace blazemere::platform {

// The file itself while it may be written; otherwise the per-user copy for
// writes, and for reads while that copy exists.
[[nodiscard]] ProfilePaths ChooseProfilePaths(const std::string& file, bool fileWritable,
                                              const std::string& perUserFile, bool perUserExists);

// $XDG_CONFIG_HOME/blazemere/<name of file> (absolute XDG_CONFIG_HOME only),
// else <home>/.config/blazemere/<name>; empty when neither is known.
[[nodiscard]] std::string PerUserProfilePath(const std::string& file, const char* xdgConfigHome,
                                             const std::string& home);

}  // namespace blazemere::platform
