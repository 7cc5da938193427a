// Where a settings file is read and written: the file itself while its
// folder takes new files, else a per-user copy (under the user's
// configuration folder on POSIX, in the roaming application data on
// Windows), as Windows does for old programs in protected folders. The
// choice is pure, so it can be checked without the file system.
#pragma once

#include <string>

#include "platform/ini/ini_file.h"

namespace blazemere::platform {

// The file itself while it may be written; otherwise the per-user copy for
// writes, and for reads while that copy exists.
[[nodiscard]] ProfilePaths ChooseProfilePaths(const std::string& file, bool fileWritable,
                                              const std::string& perUserFile, bool perUserExists);

// The per-user copy of `file` on this system, from the environment; empty
// when the user has no such folder.
[[nodiscard]] std::string PerUserProfilePath(const std::string& file);

}  // namespace blazemere::platform
