// Where the fixed Windows paths the host writes end up.
#include <gtest/gtest.h>

#include "platform/paths/drive_letter_path.h"
#include "platform/paths/posix/drive_root.h"

namespace blazemere::platform {
namespace {

TEST(DriveLetterPath, Table) {
  EXPECT_EQ(MapDriveLetterPath("c:\\k_vorn\\Blazemere.bmp", "/r"), "/r/drive_c/k_vorn/Blazemere.bmp");
  EXPECT_EQ(MapDriveLetterPath("D:music\\a.mp3", "/r"), "/r/drive_d/music/a.mp3");
  EXPECT_EQ(DriveRootFolder("/data", "/home/u"), "/data/blazemere");
  EXPECT_EQ(DriveRootFolder("rel", "/home/u"), "/home/u/.local/share/blazemere");
  // Never relative to the working folder: no place at all instead.
  EXPECT_EQ(DriveRootFolder(nullptr, "rel"), "");
  EXPECT_EQ(MapDriveLetterPath("c:\\k_vorn\\Blazemere.bmp", ""), "");
}

}  // namespace
}  // namespace blazemere::platform
