// What both dialog windows take from the core: the buttons restored from
// their stored values, the chooser's request, and the chooser's refusal of a
// path the settings file cannot hold, counted in bytes, not characters.
#include <gtest/gtest.h>

#include <string>

#include "host/core/controls/command_button.h"
#include "host/core/dialog/dialog_contents.h"
#include "platform/file_dialog/path_length_limit.h"

namespace blazemere::dialog {
namespace {

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
