// The folder that holds the running program, symlinks resolved: the host
// finds its renderer and its settings file there.
#pragma once

#include <string>

namespace blazemere::platform {

// Without a trailing "/", except for the root itself. Empty if unknown.
[[nodiscard]] std::string ExecutableFolder();

}  // namespace blazemere::platform
