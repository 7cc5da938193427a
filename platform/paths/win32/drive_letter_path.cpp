// Drive-letter paths on Windows: see drive_letter_path.h. The drive is the
// real one, so the palette image really lies at C:\k_vorn\Blazemere.bmp.
#include "platform/paths/drive_letter_path.h"

namespace blazemere::platform {

std::string MapDriveLetterPath(std::string_view windowsPath) { return std::string(windowsPath); }

}  // namespace blazemere::platform
