// The settings dialog's core, shared by both dialog windows: what the model
// shows after loading, what the option handlers change and exactly what the
// set button writes; the buttons restored from their stored values, the
// chooser's request, and the chooser's refusal of a path the settings file
// cannot hold, counted in bytes, not characters.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/core/controls/command_button.h"
#include "host/core/dialog/dialog_contents.h"
#include "host/core/dialog/settings_dialog_model.h"
#include "platform/file_dialog/path_length_limit.h"

namespace blazemere::dialog {
namespace {

host::HostSettings Settings(std::int16_t mode, std::int16_t repeat, std::string file = "") {
  return host::HostSettings{static_cast<host::MusicKind>(mode), repeat, std::move(file), "/h"};
}

const OptionLook kNoneLook{{true, false, false}, false, false};
const OptionLook kCdLook{{false, true, false}, true, false};
const OptionLook kFileLook{{false, false, true}, false, true};

TEST(SettingsDialogModel, LoadShowsWhatTheSettingsSay) {
  const struct { const char* name; host::HostSettings settings; OptionLook look; std::string repeatText; } rows[] = {
      {"no settings file", Settings(0, 0), kNoneLook, ""},
      {"cd with track 7", Settings(1, 7), kCdLook, "7"},
      {"hand-edited repeat 45", Settings(1, 45), kCdLook, "45"},
      {"kind 2 with a vanished file", Settings(2, 0, "/gone/a.mp3"), kFileLook, ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    host::HostSettings settings = row.settings;
    SettingsDialogModel model(settings);
    EXPECT_EQ(model.Look(), row.look);
    EXPECT_EQ(model.InitialRepeatText(), row.repeatText);
  }
  const std::vector<std::string> entries = RepeatBoxEntries();
  ASSERT_EQ(entries.size(), 31u);
  EXPECT_EQ(entries.front() + "|" + entries[1] + "|" + entries.back(), "|1|30");
}

// A kind selected (or the one loaded), the controls it enables, and the set
// button's writes; a write that fails does not stop the others, and Save
// tells.
TEST(SettingsDialogModel, SelectionEnablesItsControlAndSaveWritesInOrder) {
  constexpr std::int16_t kAsLoaded = -100;
  const struct {
    const char* name;
    host::HostSettings settings;
    std::int16_t selectKind;
    OptionLook look;
    std::string repeatText, kindText, repeatValue, file;  // typed; the three values written
    int failingWrite = -1;                               // index of a write that is not stored
  } rows[] = {
      {"music file", Settings(1, 0, "/m/a.mp3"), 2, kFileLook, "", " 2", " 0", "/m/a.mp3"},
      {"none keeps the old path", Settings(2, 0, "/m/a.mp3"), 0, kNoneLook, "", " 0", " 0", "/m/a.mp3"},
      {"cd track 7", Settings(0, 0), 1, kCdLook, "7", " 1", " 7", ""},
      {"kind 5 unchanged", Settings(5, 0), kAsLoaded, OptionLook{}, "", " 5", " 0", ""},
      {"kind -1 unchanged", Settings(-1, 0), kAsLoaded, OptionLook{}, "-1", "-1", "-1", ""},
      {"2.5 to even 2", Settings(1, 0), kAsLoaded, kCdLook, "2.5", " 1", " 2", ""},
      {"3.5 to even 4", Settings(1, 0), kAsLoaded, kCdLook, "3.5", " 1", " 4", ""},
      {"letters", Settings(1, 9), kAsLoaded, kCdLook, "abc", " 1", " 0", ""},
      {"too large for a track", Settings(1, 9), kAsLoaded, kCdLook, "40000", " 1", " 0", ""},
      {"first write fails", Settings(1, 0), kAsLoaded, kCdLook, "7", " 1", " 7", "", 0},
      {"last write fails", Settings(2, 0, "/m/a.mp3"), kAsLoaded, kFileLook, "", " 2", " 0", "/m/a.mp3", 2},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    host::HostSettings settings = row.settings;
    SettingsDialogModel model(settings);
    if (row.selectKind != kAsLoaded) model.SelectMusicKind(row.selectKind);
    EXPECT_EQ(model.Look(), row.look);
    std::vector<std::string> writes;
    const bool saved = model.Save(row.repeatText, [&](const std::string& s, const std::string& k, const std::string& v) {
      writes.push_back(s + "|" + k + "|" + v);
      return static_cast<int>(writes.size()) - 1 != row.failingWrite;
    });
    EXPECT_EQ(saved, row.failingWrite < 0);
    EXPECT_EQ(writes, (std::vector<std::string>{"Section|BGM区分|" + row.kindText, "Section|BGMﾘﾋﾟｰﾄ|" + row.repeatValue,
                                                "Section|BGMﾌｧｲﾙ|" + row.file}));
  }
}

// Restored as the form restores them: only size, caption and font stored
// (under lower-case keys), so the button is enabled with its first-use branch
// already past, and shows its own caption in the form's font, not in the
// font it was given before.
TEST(DialogContents, ButtonsRestoreEnabledWithTheirCaptionAndTheFormFont) {
  const controls::CaptionFont ambient{.name = "Arial", .sizePoints = 12, .weight = 700, .characterSet = 0};
  for (const PlacedButton& placed : {kFileButton, kSetButton, kCancelButton}) {
    SCOPED_TRACE(placed.caption);
    controls::CommandButton button(81, 25);
    button.LoadStoredProperties(ButtonStoredProperties(placed), ambient);
    EXPECT_EQ(button.Caption(), placed.caption);
    EXPECT_TRUE(button.EnabledField());
    EXPECT_EQ(button.FirstRun(), 1);
    EXPECT_EQ(*button.Font(), controls::CaptionFont{});
  }
}

TEST(DialogContents, ChooserStartsWhereTheLastChoiceWasAndTakesWhatTheFileHolds) {
  host::HostSettings settings{host::MusicKind::kMusicFile, 0, "", "C:\\saver"};
  SettingsDialogModel model(settings);
  EXPECT_EQ(FileChooserRequest(model).initialFolder, "C:\\saver");
  model.ChooseFile("D:\\music\\fire.mp3");
  const platform::OpenFileRequest request = FileChooserRequest(model);
  EXPECT_EQ(request.initialFolder, "D:\\music");
  EXPECT_EQ(request.title + "|" + request.filterName + "|" + request.filterPatterns,
            "ﾌｧｲﾙを開く|BGMﾌｧｲﾙ (MP3 WAV)|*.MP3;*.WAV");
  EXPECT_EQ(request.longestPath, 254u);
}

TEST(PathTooLongMessage, RefusesByBytes) {
  const std::string fire = "火";  // three bytes
  const struct { const char* name; std::string path; std::size_t limit; bool refused; } rows[] = {
      {"no limit", std::string(1000, 'a'), 0, false},
      {"exactly the limit", std::string(254, 'a'), 254, false},
      {"one byte over", std::string(255, 'a'), 254, true},
      {"85 kanji: 85 characters, 255 bytes", [&] { std::string p; for (int i = 0; i < 85; ++i) p += fire; return p; }(), 254, true},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const std::optional<std::string> message = platform::PathTooLongMessage(row.path, row.limit);
    ASSERT_EQ(message.has_value(), row.refused);
    if (!message) continue;
    // The user learns both numbers, not the path (which may not wrap).
    EXPECT_NE(message->find("(" + std::to_string(row.path.size()) + " ﾊﾞｲﾄ)"), std::string::npos) << *message;
    EXPECT_NE(message->find(std::to_string(row.limit) + " ﾊﾞｲﾄ (UTF-8)"), std::string::npos) << *message;
    EXPECT_EQ(message->find(row.path), std::string::npos);
  }
}

}  // namespace
}  // namespace blazemere::dialog
