// write-palette-ramp: puts the built-in colour ramp where the renderer reads
// it ("C:\k_vorn\Blazemere.bmp" on the per-user drive), as a saver run does
// before it starts the renderer. Lets the renderer be run on its own.
#include <cstdio>
#include <string>
#include <vector>

#include "common/names.h"
#include "common/palette_ramp.h"
#include "platform/files/files.h"
#include "platform/paths/drive_letter_path.h"
#include "platform/paths/native_path.h"

int main() {
  const std::string path = blazemere::platform::MapDriveLetterPath(blazemere::names::kPaletteImagePath);
  const std::vector<std::uint8_t> bytes = blazemere::PaletteRampBmpFile();
  if (path.empty() || !blazemere::platform::CreateFolders(blazemere::platform::NativeFolderOf(path)) ||
      !blazemere::platform::ReplaceFileAtomically(path, std::string(bytes.begin(), bytes.end()))) {
    std::fprintf(stderr, "write-palette-ramp: cannot write %s\n", path.c_str());
    return 1;
  }
  std::printf("%s\n", path.c_str());
  return 0;
}
