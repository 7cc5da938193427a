// write-palette-ramp: puts the built-in colour ramp where the renderer reads
// it ("c:\k_vorn\Blazemere.bmp" on the per-user drive), as a saver run does
// before it starts the renderer. Lets the renderer be run on its own.
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "host/resources/palette/palette_ramp.h"
#include "platform/paths/drive_letter_path.h"

int main() {
  const std::string path = blazemere::platform::MapDriveLetterPath("C:\\k_vorn\\Blazemere.bmp");
  std::error_code error;
  std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
  if (error || !blazemere::host::WritePaletteRampFile(path)) {
    std::fprintf(stderr, "write-palette-ramp: cannot write %s\n", path.c_str());
    return 1;
  }
  std::printf("%s\n", path.c_str());
  return 0;
}
