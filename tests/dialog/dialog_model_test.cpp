// The settings dialog's model: what it shows after loading, what the option
// handlers and the file choice change, and exactly what the set button writes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/dialog/settings_dialog_model.h"

namespace blazemere::dialog {
namespace {

struct Write {
  std::string section;
  std::string key;
  std::string value;
  bool operator==(const Write&) const = default;
};

std::vector<Write> SaveAndRecord(SettingsDialogModel& model, const std::string& repeatText) {
  std::vector<Write> writes;
  model.Save(repeatText, [&writes](const std::string& s, const std::string& k, const std::string& v) {
    writes.push_back({s, k, v});
  });
  return writes;
}

host::HostSettings Settings(std::int16_t mode, std::int16_t repeat, std::string file, std::string folder) {
  return host::HostSettings{mode, repeat, std::move(file), std::move(folder)};
}

TEST(SettingsDialogModel, LoadShowsWhatTheSettingsSay) {
  struct Row {
    const char* name;
    host::HostSettings settings;
    OptionLook look;
    std::string repeatText;
  };
  const Row rows[] = {
      {"no settings file", Settings(0, 0, "", "/host"), {{true, false, false}, false, false}, ""},
      {"cd with track 7", Settings(1, 7, "", "/host"), {{false, true, false}, true, false}, "7"},
      {"hand-edited repeat 45", Settings(1, 45, "", "/host"), {{false, true, false}, true, false}, "45"},
      {"negative repeat", Settings(0, -3, "", "/host"), {{true, false, false}, false, false}, "-3"},
      {"music file", Settings(2, 0, "/m/a.mp3", "/m"), {{false, false, true}, false, true}, ""},
      {"kind 5 from a hand-edited file", Settings(5, 0, "", "/host"), {{false, false, false}, false, false}, ""},
      {"kind -1", Settings(-1, 0, "", "/host"), {{false, false, false}, false, false}, ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    host::HostSettings settings = row.settings;
    SettingsDialogModel model(settings);
    EXPECT_EQ(model.Look(), row.look);
    EXPECT_EQ(model.InitialRepeatText(), row.repeatText);
    EXPECT_EQ(model.FileLabel(), row.settings.bgmFile);
    EXPECT_EQ(model.ChooserFolder(), row.settings.bgmFolder);
  }
}

TEST(SettingsDialogModel, RepeatBoxHoldsAnEmptyEntryThenOneToThirty) {
  const std::vector<std::string> entries = RepeatBoxEntries();
  ASSERT_EQ(entries.size(), 31u);
  EXPECT_EQ(entries.front(), "");
  EXPECT_EQ(entries[1], "1");
  EXPECT_EQ(entries.back(), "30");
}

TEST(SettingsDialogModel, SelectingAKindEnablesItsControlOnly) {
  struct Row {
    std::int16_t from;
    std::int16_t to;
    OptionLook look;
  };
  const Row rows[] = {
      {0, 1, {{false, true, false}, true, false}},
      {1, 2, {{false, false, true}, false, true}},
      {2, 0, {{true, false, false}, false, false}},
      {2, 2, {{false, false, true}, false, true}},  // the selected one again
      {7, 1, {{false, true, false}, true, false}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << row.from << " -> " << row.to);
    host::HostSettings settings = Settings(row.from, 0, "", "/host");
    SettingsDialogModel model(settings);
    model.SelectMusicKind(row.to);
    EXPECT_EQ(settings.bgmMode, row.to);
    EXPECT_EQ(model.Look(), row.look);
  }
}

TEST(SettingsDialogModel, ChosenFileSetsLabelAndNextStartFolder) {
  host::HostSettings settings = Settings(2, 0, "", "/host");
  SettingsDialogModel model(settings);
  model.ChooseFile("/music/new/not-yet-there.wav");
  EXPECT_EQ(model.FileLabel(), "/music/new/not-yet-there.wav");
  EXPECT_EQ(model.ChooserFolder(), "/music/new");
}

TEST(SettingsDialogModel, SaveWritesKindRepeatAndFileInThisOrder) {
  struct Row {
    const char* name;
    host::HostSettings settings;
    std::int16_t selectKind;  // -100: leave as loaded
    std::string repeatText;
    std::string kindText;
    std::string repeatValue;
    std::string file;
  };
  const Row rows[] = {
      {"music file", Settings(1, 0, "/m/a.mp3", "/m"), 2, "", " 2", " 0", "/m/a.mp3"},
      {"none keeps the old path", Settings(2, 0, "/m/a.mp3", "/m"), 0, "", " 0", " 0", "/m/a.mp3"},
      {"cd track 7", Settings(0, 0, "", "/h"), 1, "7", " 1", " 7", ""},
      {"hand-edited 45 back", Settings(1, 45, "", "/h"), -100, "45", " 1", " 45", ""},
      {"kind 5 unchanged", Settings(5, 0, "", "/h"), -100, "", " 5", " 0", ""},
      {"kind -1 unchanged", Settings(-1, 0, "", "/h"), -100, "-1", "-1", "-1", ""},
      {"2.5 to even 2", Settings(1, 0, "", "/h"), -100, "2.5", " 1", " 2", ""},
      {"3.5 to even 4", Settings(1, 0, "", "/h"), -100, "3.5", " 1", " 4", ""},
      {"letters", Settings(1, 9, "", "/h"), -100, "abc", " 1", " 0", ""},
      {"too large for a track", Settings(1, 9, "", "/h"), -100, "40000", " 1", " 0", ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    host::HostSettings settings = row.settings;
    SettingsDialogModel model(settings);
    if (row.selectKind != -100) model.SelectMusicKind(row.selectKind);
    const std::vector<Write> expected = {
        {"Section", "BGM区分", row.kindText}, {"Section", "BGMﾘﾋﾟｰﾄ", row.repeatValue}, {"Section", "BGMﾌｧｲﾙ", row.file}};
    EXPECT_EQ(SaveAndRecord(model, row.repeatText), expected);
  }
}

}  // namespace
}  // namespace blazemere::dialog
