// The one rule both file choosers share: a chosen path longer than the
// caller can hold is refused with a message that says why, instead of being
// cut short.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace blazemere::platform {

// Nothing when `path` (UTF-8) fits `longestPath` bytes (0: any length);
// else the message the chooser shows before letting the user choose again.
[[nodiscard]] std::optional<std::string> PathTooLongMessage(const std::string& path, std::size_t longestPath);

}  // namespace blazemere::platform
