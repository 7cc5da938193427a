// The fixed Windows paths the system was written with ("C:\k_vorn\..."),
// where they lie on this system: on Windows the path itself; elsewhere a
// per-user folder (posix/drive_root.h), so renderer and host agree on one
// place for the palette image without ever touching a shared folder.
#pragma once

#include <string>
#include <string_view>

namespace blazemere::platform {

// "C:..." in either case.
[[nodiscard]] bool StartsWithDriveLetter(std::string_view path);

// Where `windowsPath` lies on this system; empty when it has no place (no
// home folder to keep the drive in).
[[nodiscard]] std::string MapDriveLetterPath(std::string_view windowsPath);

}  // namespace blazemere::platform
