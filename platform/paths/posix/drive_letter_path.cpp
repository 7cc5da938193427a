// Drive-letter paths on a POSIX system: see drive_letter_path.h and drive_root.h.
#include "platform/paths/drive_letter_path.h"

#include <cstdlib>

#include "common/text.h"

#include "platform/paths/home_folder.h"
#include "platform/paths/posix/drive_root.h"

namespace blazemere::platform {

namespace {

bool IsAbsoluteNonEmpty(const char* value) { return value != nullptr && value[0] == '/'; }

std::string WithForwardSlashes(std::string_view path) {
  std::string out(path);
  for (char& ch : out) {
    if (ch == '\\') ch = '/';
  }
  return out;
}

}  // namespace

std::string DriveRootFolder(const char* xdgDataHome, const std::string& home) {
  if (IsAbsoluteNonEmpty(xdgDataHome)) return std::string(xdgDataHome) + "/blazemere";
  if (!home.starts_with('/')) return {};
  return home + "/.local/share/blazemere";
}

std::string MapDriveLetterPath(std::string_view windowsPath, const std::string& driveRoot) {
  if (!StartsWithDriveLetter(windowsPath)) return WithForwardSlashes(windowsPath);
  if (driveRoot.empty()) return {};
  const char letter = LowerAscii(windowsPath[0]);
  std::string rest = WithForwardSlashes(windowsPath.substr(2));
  if (!rest.empty() && rest.front() != '/') rest.insert(rest.begin(), '/');
  return driveRoot + "/drive_" + letter + rest;
}

std::string MapDriveLetterPath(std::string_view windowsPath) {
  return MapDriveLetterPath(windowsPath, DriveRootFolder(std::getenv("XDG_DATA_HOME"), HomeFolder()));
}

}  // namespace blazemere::platform
