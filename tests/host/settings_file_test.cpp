// LoadSettings: what the stored values turn into at start-up.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>

#include "host/settings_file.h"
#include "tests/support/unit_scratch_folder.h"

namespace blazemere::host {
namespace {

TEST(LoadSettings, StoredNumbersAndFiles) {
  const std::string folder = testing::ScratchFolder("load-settings");
  const std::string song = folder + "/song.mp3";
  std::ofstream(song) << "ID3";
  const std::string longPath = "/" + std::string(300, 'a') + ".mp3";
  struct Row {
    const char* name;
    std::optional<std::string> mode;  // no settings file at all when empty
    std::string repeat;
    std::string file;
    int wantMode;
    int wantRepeat;
    std::string wantFile;
  };
  const Row rows[] = {
      {"no settings file", std::nullopt, "", "", 0, 0, ""},
      {"mp3 kept", " 2", " 0", song, 2, 0, song},
      {"fraction floors", "2.9", "3", song, 2, 3, song},
      {"negative fraction floors", "-1.5", "", "", -2, 0, ""},
      {"no number", "abc", "x1", "", 0, 0, ""},
      {"above 16 bits", "32768", "40000", "", 0, 0, ""},
      {"16-bit edge", "32767", "-32768", "", 32767, -32768, ""},
      {"unknown kind kept", "5", "", "", 5, 0, ""},
      {"kind 2 without file", "2", "", "", 0, 0, ""},
      {"kind 2 with vanished file", "2", "", folder + "/gone.mp3", 0, 0, ""},
      {"kind 1 whatever the path", "1", "7", folder + "/gone.mp3", 1, 7, ""},
      {"path over 255 bytes is cut and fails", "2", "", longPath, 0, 0, ""},
      {"blanks around", "  1  ", "\t4 ", "", 1, 4, ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    std::filesystem::remove(folder + "/Blazemere.ini");
    if (row.mode) {
      std::ofstream(folder + "/Blazemere.ini")
          << "[Section]\nBGM区分=" << *row.mode << "\nBGMﾘﾋﾟｰﾄ=" << row.repeat << "\nBGMﾌｧｲﾙ=" << row.file << "\n";
    }
    const HostSettings settings = LoadSettings(folder);
    EXPECT_EQ(settings.bgmMode, row.wantMode);
    EXPECT_EQ(settings.bgmRepeat, row.wantRepeat);
    EXPECT_EQ(settings.bgmFile, row.wantFile);
    EXPECT_EQ(settings.bgmFolder, folder);
  }
}

}  // namespace
}  // namespace blazemere::host
