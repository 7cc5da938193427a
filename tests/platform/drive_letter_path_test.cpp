// Where the fixed Windows paths the host writes end up.
#include <gtest/gtest.h>

#include "platform/paths/drive_letter_path.h"

namespace blazemere::platform {
namespace {

TEST(DriveLetterPath, Table) {
  struct Row {
    const char* windowsPath;
    const char* mapped;
  };
  const Row rows[] = {
      {"C:\\k_vorn\\Blazemere.bmp", "/r/drive_c/k_vorn/Blazemere.bmp"},
      {"c:\\k_vorn", "/r/drive_c/k_vorn"},
      {"D:music\\a.mp3", "/r/drive_d/music/a.mp3"},
      {"relative\\x", "relative/x"},
  };
  for (const Row& row : rows) EXPECT_EQ(MapDriveLetterPath(row.windowsPath, "/r"), row.mapped) << row.windowsPath;
  EXPECT_EQ(DriveRootFolder("/data", "/home/u"), "/data/blazemere");
  EXPECT_EQ(DriveRootFolder("rel", "/home/u"), "/home/u/.local/share/blazemere");
  EXPECT_EQ(DriveRootFolder(nullptr, "/home/u"), "/home/u/.local/share/blazemere");
}

}  // namespace
}  // namespace blazemere::platform
