// Paths of this system as text: the folder that holds a file, by the
// separators the system's own paths use ("/" on POSIX; "\" and "/" after a
// drive letter on Windows).
#pragma once

#include <string>
#include <string_view>

namespace blazemere::platform {

// The folder of `path`, ready to be opened or made: "/" for a file straight
// under the root, "C:\" for one on a drive's root; empty for a bare name.
[[nodiscard]] std::string NativeFolderOf(std::string_view path);

}  // namespace blazemere::platform
