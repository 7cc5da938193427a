// The settings dialog end to end: the real Blazemere.scr started with /c,
// driven with xdotool the way a user drives it: what it shows, what it
// writes, and that what it cannot store is never lost silently.
#include <algorithm>
#include <filesystem>

#include "host/core/dialog/dialog_background.h"
#include "host/core/settings/settings_file.h"
#include "host/resources/dialog/dialog_art.h"
#include "tests/dialog/dialog_fixture.h"
#include "tests/music/audio_fixtures.h"

namespace blazemere::testing {
namespace {

namespace fs = std::filesystem;

TEST_F(SettingsDialogTest, OpensPaintedFollowsClicksAndCancelWritesNothing) {
  const std::string before = "; kept as it is\r\n" + IniBytes(" 1", " 7", "");
  WriteFile(IniPath(), before);
  ASSERT_NO_FATAL_FAILURE(OpenDialog());
  // Which option picture shows the selected look (its blue centre).
  const auto selectedOptions = [this] {
    std::vector<bool> selected;
    for (const Point& p : kOptionPicture)
      selected.push_back(CaptureDialog(p.x, p.y, 1, 1).At(0, 0) == resources::OptionSelected().At(6, 6));
    return selected;
  };
  const WindowGeometry place = ExpectedDialogPlace();
  EXPECT_EQ(std::tuple(geometry_.x, geometry_.y, geometry_.width, geometry_.height),
            std::tuple(place.x, place.y, 495, 246));

  const RgbImage image = CaptureDialog(0, 0, 495, 246);
  EXPECT_EQ(image.At(5, 0), 0x00001Eu) << "the gradient's dark top";
  for (int y = 0; y < 246; ++y) {
    const dialog::Rgb row = dialog::GradientRowColour(y, 246);
    ASSERT_EQ(image.At(5, y), (std::uint32_t{row.red} << 16) | (row.green << 8) | row.blue) << "gradient row " << y;
  }
  // The panel's top right, where no control stands: the strip's left
  // columns, repeated every 20 rows.
  const RgbImage& strip = resources::PanelStrip();
  for (int py = 0; py < 50; ++py)
    for (int px = 240; px < 469; ++px)
      ASSERT_EQ(image.At(kPanelX + px, kPanelY + py), strip.At(px, py % 20)) << "panel pixel " << px << "," << py;
  EXPECT_EQ(image.At(kPanelX + 20, kPanelY + 30), 0x000000u) << "the header frame";
  EXPECT_EQ(selectedOptions(), (std::vector<bool>{false, true, false}));
  EXPECT_EQ(CaptureDialog(kPanelX + 28, kPanelY + 76, 12, 12), resources::OptionNotSelected());

  // A second start while the dialog is open ends at once and leaves it be.
  ChildProcess second(folder_ + "/Blazemere.scr", {"/c"}, Environment());
  EXPECT_TRUE(second.WaitForExit(10s).has_value());
  EXPECT_TRUE(host_->IsRunning());

  const auto fileButton = [this] { return CaptureDialog(kFileButton.x - 20, kFileButton.y - 12, 41, 25); };
  const auto repeatBox = [this] { return CaptureDialog(kRepeatInput.x - 8, kRepeatInput.y - 10, 41, 20); };
  const RgbImage fileDisabled = fileButton(), repeatEnabled = repeatBox();
  const struct { const char* name; Point at; int button; std::vector<bool> selected; bool fileEnabled, repeatIsEnabled; } rows[] = {
      {"left on the file picture", kOptionPicture[2], 1, {false, false, true}, true, false},
      {"right on the none caption", kOptionCaption[0], 3, {true, false, false}, false, false},
      {"right on the CD picture", kOptionPicture[1], 3, {false, true, false}, false, true},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Click(row.at, row.button);
    EXPECT_TRUE(Eventually([&] { return selectedOptions() == row.selected; }));
    EXPECT_TRUE(Eventually([&] { return (fileButton() != fileDisabled) == row.fileEnabled; }));
    EXPECT_TRUE(Eventually([&] { return (repeatBox() == repeatEnabled) == row.repeatIsEnabled; }));
  }
  Click(kOptionPicture[0]);
  Click(kCancelButton);
  ExpectClosed();
  EXPECT_EQ(ReadFile(IniPath()), before);
}

// The close box writes nothing; then a cancelled and a completed file
// choice, the set button, and the saver run that follows: the chosen WAV is
// heard. (Typing in the repeat box before 設定 is the tap test's.)
TEST_F(SettingsDialogTest, CloseBoxWritesNothingAndSavedWavReachesTheNextSaverRun) {
  const std::string old = folder_ + "/music/old.mp3";
  const std::string wav = folder_ + "/music/camp fire.wav";
  WriteFile(old, "x");
  WriteWav(wav, Tone(440, 1.0));
  WriteFile(IniPath(), IniBytes(" 0", " 0", old));
  ASSERT_NO_FATAL_FAILURE(OpenDialog());
  Click(kOptionPicture[2]);
  PressCloseBox();
  ExpectClosed();
  ASSERT_EQ(ReadFile(IniPath()), IniBytes(" 0", " 0", old)) << "the close box wrote";

  ASSERT_NO_FATAL_FAILURE(OpenDialog());
  Click(kOptionCaption[2]);

  const auto pathLabel = [this] { return CaptureDialog(kPanelX + 72, kPanelY + 116, 381, 33); };
  const RgbImage oldLabel = pathLabel();
  const auto choose = [this](const std::string& name, const char* key) {
    ASSERT_NE(OpenChooser(), 0u);
    XDoTool({"type", name});
    XDoTool({"key", key});
    ASSERT_TRUE(x_.WaitForNoWindow(kChooserTitle, 10s));
  };
  ASSERT_NO_FATAL_FAILURE(choose("ignored.mp3", "Escape"));
  std::this_thread::sleep_for(300ms);
  EXPECT_EQ(pathLabel(), oldLabel) << "a cancelled choice changed the label";
  // Both paths share the label's two lines (the scratch folder is deep);
  // what was chosen shows in the file.
  ASSERT_NO_FATAL_FAILURE(choose(wav, "Return"));
  Click(kSetButton);
  ExpectClosed();
  ASSERT_EQ(ReadFile(IniPath()), IniBytes(" 2", " 0", wav));

  std::map<std::string, std::string> environment = Environment();
  const std::string heard = folder_ + "/heard.raw";
  environment.insert({{"SDL_AUDIODRIVER", "disk"}, {"SDL_DISKAUDIOFILE", heard}});
  ChildProcess saver(folder_ + "/Blazemere.scr", {"/s"}, environment);
  const Window renderer = x_.WaitForWindow("Blazemere_VC", 10s);
  ASSERT_NE(renderer, 0u);
  std::this_thread::sleep_for(2500ms);
  XSetInputFocus(x_.display(), renderer, RevertToPointerRoot, CurrentTime);
  XSync(x_.display(), False);
  XDoTool({"key", "Escape"});
  EXPECT_TRUE(saver.WaitForExit(10s).has_value());
  const std::vector<double> timeline = ToneTimeline(ReadDiskAudio(heard), 0.05);
  const auto slices440 = std::count_if(timeline.begin(), timeline.end(), [](double f) { return Near(f, 440); });
  EXPECT_GE(slices440 * 0.05, 1.0) << "the saved WAV file was not heard";
}

// The chooser's name buffer holds 254 bytes of path and the settings file
// gives back 255: a path that fits is saved and read back whole, a longer
// one is refused with a message while the chooser stays open for another.
TEST_F(SettingsDialogTest, ChooserRefusesAPathTheSettingsCannotHold) {
  // "火" is three bytes in UTF-8, as most Japanese characters are. The
  // chooser starts in that folder, beside the file chosen before; the name
  // typed there makes the path as long as the row asks.
  const std::string music = folder_ + "/music/火火火火火火火火火火", before = music + "/before.mp3";
  fs::create_directories(music);
  WriteFile(before, "ID3");
  const struct { std::size_t bytes; bool accepted; } rows[] = {{254, true}, {255, false}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.bytes);
    const std::string name = std::string(row.bytes - music.size() - 5, 'a') + ".mp3", song = music + "/" + name;
    WriteFile(song, "ID3");
    WriteFile(IniPath(), IniBytes(" 2", " 0", before));
    ASSERT_NO_FATAL_FAILURE(OpenDialog());
    ASSERT_NE(OpenChooser(), 0u);
    XDoTool({"type", name});
    XDoTool({"key", "Return"});
    if (!row.accepted) {
      ASSERT_TRUE(Eventually([this] { return WindowsTitled(kChooserTitle) == 2; })) << "no message over the chooser";
      XDoTool({"key", "Return"});
      EXPECT_TRUE(Eventually([this] { return WindowsTitled(kChooserTitle) == 1; })) << "the chooser went with the message";
      XDoTool({"key", "Escape"});
    }
    ASSERT_TRUE(x_.WaitForNoWindow(kChooserTitle, 10s));
    Click(kSetButton);
    ExpectClosed();
    EXPECT_EQ(host::LoadSettings(folder_).bgmFile, row.accepted ? song : before);
  }
}

// Settings that cannot be written (the file is too large to be read whole
// and rewritten): the user is told, the dialog closes as usual, and the
// file is as it was, with nothing left beside it.
TEST_F(SettingsDialogTest, FailedSaveIsToldAndChangesNothing) {
  const std::string before = IniBytes(" 1", " 7", "") + std::string(5 << 20, ';');
  WriteFile(IniPath(), before);
  ASSERT_NO_FATAL_FAILURE(OpenDialog());
  Click(kOptionPicture[1]);
  Click(kSetButton);
  ASSERT_NE(x_.WaitForWindow("Blazemere (ScreenSaver)", 10s), 0u) << "no message";
  EXPECT_TRUE(x_.Exists(kDialogTitle)) << "closed before the user read the message";
  XDoTool({"key", "Return"});
  ExpectClosed();
  EXPECT_EQ(ReadFile(IniPath()), before);
  for (const auto& entry : fs::directory_iterator(folder_))
    EXPECT_EQ(entry.path().filename().string().rfind("Blazemere.ini.", 0), std::string::npos) << entry.path();
}

}  // namespace
}  // namespace blazemere::testing
