// LoadSettings: what the stored values turn into at start-up.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "host/core/settings/settings_file.h"
#include "tests/support/unit_scratch_folder.h"

namespace blazemere::host {
namespace {

TEST(LoadSettings, StoredNumbersAndFiles) {
  const std::string folder = testing::ScratchFolder("load-settings");
  const std::string song = folder + "/song.mp3";
  std::ofstream(song) << "ID3";
  // Stored kind, repeat and file (no settings file at all for a null kind),
  // then what start-up makes of them.
  const std::tuple<const char*, const char*, std::string, int, int, std::string> rows[] = {
      {nullptr, "", "", 0, 0, ""},          {"2.9", "3", song, 2, 3, song},         {"-1.5", "", "", -2, 0, ""},
      {"abc", "x1", "", 0, 0, ""},          {"32768", "40000", "", 0, 0, ""},      {"32767", "-32768", "", 32767, -32768, ""},
      {"5", "", "", 5, 0, ""},              {"2", "", folder + "/gone.mp3", 0, 0, ""},
      {"2", "", "/" + std::string(300, 'a') + ".mp3", 0, 0, ""},  // cut to 255 bytes, so no such file
  };
  for (const auto& [mode, repeat, file, wantMode, wantRepeat, wantFile] : rows) {
    SCOPED_TRACE(::testing::Message() << (mode ? mode : "no file") << " / " << repeat << " / " << file);
    std::filesystem::remove(folder + "/Blazemere.ini");
    if (mode) {
      std::ofstream(folder + "/Blazemere.ini")
          << "[Section]\nBGM区分=" << mode << "\nBGMﾘﾋﾟｰﾄ=" << repeat << "\nBGMﾌｧｲﾙ=" << file << "\n";
    }
    const HostSettings settings = LoadSettings(folder);
    EXPECT_EQ(std::tuple(static_cast<int>(settings.bgmMode), settings.bgmRepeat, settings.bgmFile, settings.bgmFolder),
              std::tuple(wantMode, wantRepeat, wantFile, folder));
  }
}

}  // namespace
}  // namespace blazemere::host
