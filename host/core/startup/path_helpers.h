// FileExists: whether a path names a file the host could open for reading.
// (The folder part of a path is FolderOf in common/path_text.h.)
#pragma once

#include <string>

namespace blazemere::host {

// True when `path` (one trailing "\" or "/" ignored) opens as a readable file;
// false for folders, missing files and empty or malformed names.
[[nodiscard]] bool FileExists(const std::string& path);

}  // namespace blazemere::host
