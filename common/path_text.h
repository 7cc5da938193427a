// Paths as text: the one rule for the folder part of a path, whichever
// separators a caller's paths use. A bare name has no folder (empty text);
// a name straight under "/" lives in "/".
#pragma once

#include <string>
#include <string_view>

namespace blazemere {

// What the host's own routines treat as separators: the drive colon, "\" and
// (for this system's paths) "/".
inline constexpr std::string_view kHostPathSeparators = ":\\/";
// A POSIX file system's only separator.
inline constexpr std::string_view kPosixPathSeparators = "/";

// Everything up to the last of `separators`, without that separator unless
// it is ":" ("C:" for "C:\fire.mp3" and for "C:fire.mp3"); empty when there
// is none; "/" for a file straight under "/".
[[nodiscard]] std::string FolderOf(std::string_view path, std::string_view separators = kHostPathSeparators);

// What follows the last of `separators`: the whole path when there is none.
[[nodiscard]] std::string NameOf(std::string_view path, std::string_view separators = kHostPathSeparators);

}  // namespace blazemere
