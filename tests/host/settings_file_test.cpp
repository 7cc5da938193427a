// LoadSettings: what the stored values turn into at start-up.
#include <gtest/gtest.h>

#include <fstream>

#include "host/settings_file.h"
#include "tests/support/unit_scratch_folder.h"

namespace blazemere::host {
namespace {

void WriteFile(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

TEST(LoadSettings, StoredNumbersAndFiles) {
  const std::string folder = testing::ScratchFolder("load-settings");
  const std::string song = folder + "/song.mp3";
  WriteFile(song, "ID3");
  const std::string longPath = "/" + std::string(300, 'a') + ".mp3";
  struct Row {
    const char* name;
    std::string mode;
    std::string repeat;
    std::string file;
    int wantMode;
    int wantRepeat;
    std::string wantFile;
    std::string wantFolder;
  };
  const Row rows[] = {
      {"mp3 kept", " 2", " 0", song, 2, 0, song, folder},
      {"fraction floors", "2.9", "3", song, 2, 3, song, folder},
      {"negative fraction floors", "-1.5", "", "", -2, 0, "", folder},
      {"no number", "abc", "x1", "", 0, 0, "", folder},
      {"above 16 bits", "32768", "40000", "", 0, 0, "", folder},
      {"16-bit edge", "32767", "-32768", "", 32767, -32768, "", folder},
      {"unknown kind kept", "5", "", "", 5, 0, "", folder},
      {"kind 2 without file", "2", "", "", 0, 0, "", folder},
      {"kind 2 with vanished file", "2", "", folder + "/gone.mp3", 0, 0, "", folder},
      {"kind 1 whatever the path", "1", "7", folder + "/gone.mp3", 1, 7, "", folder},
      {"path over 255 bytes is cut and fails", "2", "", longPath, 0, 0, "", folder},
      {"blanks around", "  1  ", "\t4 ", "", 1, 4, "", folder},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    WriteFile(folder + "/Blazemere.ini", "[Section]\nBGM区分=" + row.mode + "\nBGMﾘﾋﾟｰﾄ=" + row.repeat +
                                             "\nBGMﾌｧｲﾙ=" + row.file + "\n");
    const HostSettings settings = LoadSettings(folder);
    EXPECT_EQ(settings.bgmMode, row.wantMode);
    EXPECT_EQ(settings.bgmRepeat, row.wantRepeat);
    EXPECT_EQ(settings.bgmFile, row.wantFile);
    EXPECT_EQ(settings.bgmFolder, row.wantFolder);
  }
}

TEST(LoadSettings, MissingFileGivesDefaults) {
  const std::string folder = testing::ScratchFolder("load-settings-missing");
  const HostSettings settings = LoadSettings(folder);
  EXPECT_EQ(settings.bgmMode, 0);
  EXPECT_EQ(settings.bgmRepeat, 0);
  EXPECT_EQ(settings.bgmFile, "");
  EXPECT_EQ(settings.bgmFolder, folder);
}

TEST(LoadSettings, DialogWritesReadBack) {
  const std::string folder = testing::ScratchFolder("settings-round-trip");
  const std::string file = SettingsFilePath(folder);
  WriteIniString(kSettingsSection, kKeyBgmMode, FormatStoredNumber(2), file);
  WriteIniString(kSettingsSection, kKeyBgmRepeat, FormatStoredNumber(-1), file);
  WriteIniString(kSettingsSection, kKeyBgmFile, file, file);
  std::ifstream in(file);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(text, "[Section]\nBGM区分= 2\nBGMﾘﾋﾟｰﾄ=-1\nBGMﾌｧｲﾙ=" + file + "\n");
  const HostSettings settings = LoadSettings(folder);
  EXPECT_EQ(settings.bgmMode, 2);
  EXPECT_EQ(settings.bgmRepeat, -1);
  EXPECT_EQ(settings.bgmFile, file);
}

}  // namespace
}  // namespace blazemere::host
