// Small path routines shared by start-up, settings and the settings dialog.
#pragma once

#include <string>

namespace blazemere::host {

// True when `path` (one trailing "\" or "/" ignored) opens as a readable file;
// false for folders, missing files and empty or malformed names.
bool FileExists(const std::string& path);

// Everything before the last ":", "\" or "/", without that separator unless
// it is ":"; empty when there is none; "/" for a file straight under "/".
std::string FolderOf(const std::string& path);

}  // namespace blazemere::host
