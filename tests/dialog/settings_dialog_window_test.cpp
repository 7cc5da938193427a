// The settings dialog end to end: the real Blazemere.scr started with /c from
// a scratch folder beside its renderer and settings file, driven with
// xdotool the way a user drives it, checked by its pixels and by the bytes
// it leaves in Blazemere.ini.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <thread>

#include "host/dialog/dialog_background.h"
#include "host/resources/dialog/dialog_art.h"
#include "tests/music/audio_fixtures.h"
#include "tests/support/child_process.h"
#include "tests/support/x_session.h"

namespace blazemere::testing {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

constexpr const char* kTitle = "<Blazemere>";
constexpr const char* kChooserTitle = "ﾌｧｲﾙを開く";
constexpr int kPanelX = 12;
constexpr int kPanelY = 16;

struct Point { int x, y; };
// Places in dialog coordinates; index = music kind (none, CD, file).
constexpr Point kOptionPicture[3] = {{kPanelX + 34, kPanelY + 82}, {kPanelX + 34, kPanelY + 62}, {kPanelX + 34, kPanelY + 102}};
constexpr Point kOptionCaption[3] = {{kPanelX + 52, kPanelY + 82}, {kPanelX + 56, kPanelY + 62}, {kPanelX + 60, kPanelY + 102}};
constexpr Point kRepeatInput{kPanelX + 120, kPanelY + 62};
constexpr Point kFileButton{kPanelX + 48, kPanelY + 124};
constexpr Point kSetButton{356, 212};
constexpr Point kCancelButton{440, 212};

std::string ReadFile(const std::string& path) {
  std::ostringstream bytes;
  bytes << std::ifstream(path, std::ios::binary).rdbuf();
  return bytes.str();
}

void WriteFile(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

std::string IniBytes(const std::string& kind, const std::string& repeat, const std::string& file) {
  return "[Section]\nBGM区分=" + kind + "\nBGMﾘﾋﾟｰﾄ=" + repeat + "\nBGMﾌｧｲﾙ=" + file + "\n";
}

// True once `condition` holds; the dialog repaints a moment after a click.
template <typename Condition>
bool Eventually(Condition condition, std::chrono::milliseconds timeout = 5s) {
  for (const auto deadline = std::chrono::steady_clock::now() + timeout; !condition(); std::this_thread::sleep_for(20ms))
    if (std::chrono::steady_clock::now() > deadline) return false;
  return true;
}

class SettingsDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(x_.ok()) << "needs DISPLAY";
    folder_ = MakeScratchFolder(::testing::UnitTest::GetInstance()->current_test_info()->name());
    for (const char* program : {"Blazemere.scr", "Blazemere.dll"}) fs::copy_file(BinDir() + "/" + program, folder_ + "/" + program);
    for (const char* sub : {"/home", "/music"}) fs::create_directories(folder_ + sub);
  }

  void TearDown() override { if (host_ && host_->IsRunning()) host_->Kill(); }

  std::string IniPath() const { return folder_ + "/Blazemere.ini"; }

  std::map<std::string, std::string> Environment() const {
    return {{"HOME", folder_ + "/home"}, {"XDG_DATA_HOME", folder_ + "/home/data"},
            {"XDG_CONFIG_HOME", folder_ + "/home/config"}};
  }

  // Starts /c and waits until the dialog stands painted on the screen.
  void OpenDialog() {
    host_ = std::make_unique<ChildProcess>(folder_ + "/Blazemere.scr", std::vector<std::string>{"/c"}, Environment());
    window_ = x_.WaitForWindow(kTitle, 10s);
    ASSERT_NE(window_, 0u) << host_->StandardError();
    // Painted once the gradient's middle row is there.
    ASSERT_TRUE(Eventually([this] {
      geometry_ = x_.Geometry(window_);
      return geometry_.width == 495 && x_.Capture(geometry_.x + 4, geometry_.y + 123, 1, 1).At(0, 0) == 0xDCDCFA;
    }, 10s)) << "the dialog was not painted";
  }

  void Click(Point at, int button = 1) {
    XDoTool({"mousemove", std::to_string(geometry_.x + at.x), std::to_string(geometry_.y + at.y)});
    XDoTool({"click", std::to_string(button)});
    std::this_thread::sleep_for(150ms);
  }

  RgbImage CaptureDialog(int x, int y, int w, int h) { return x_.Capture(geometry_.x + x, geometry_.y + y, w, h); }

  // The dialog has gone and the host has ended normally.
  void ExpectClosed() {
    EXPECT_TRUE(x_.WaitForNoWindow(kTitle, 10s));
    EXPECT_EQ(host_->WaitForExit(10s), 0);
  }

  // Opens the file chooser, types `name` into it with the pointer resting on
  // it (no window manager gives it the focus), and ends it with `key`.
  void UseChooser(const std::string& name, const char* key) {
    Click(kFileButton);
    const Window chooser = x_.WaitForWindow(kChooserTitle, 10s);
    ASSERT_NE(chooser, 0u);
    std::this_thread::sleep_for(300ms);
    const WindowGeometry g = x_.Geometry(chooser);
    XDoTool({"mousemove", std::to_string(g.x + g.width / 2), std::to_string(g.y + g.height - 10)});
    std::this_thread::sleep_for(100ms);
    XDoTool({"type", name});
    XDoTool({"key", key});
    EXPECT_TRUE(x_.WaitForNoWindow(kChooserTitle, 10s));
  }

  // Which option picture shows the selected (blue) look.
  std::vector<bool> SelectedOptions() {
    const resources::RgbPicture on = resources::OptionSelected();
    const std::uint8_t* centre = on.pixels + (6 * on.width + 6) * 3;
    const std::uint32_t blue = (std::uint32_t{centre[0]} << 16) | (centre[1] << 8) | centre[2];
    std::vector<bool> selected;
    for (const Point& p : kOptionPicture) selected.push_back(CaptureDialog(p.x, p.y, 1, 1).At(0, 0) == blue);
    return selected;
  }

  XSession x_;
  std::string folder_;
  std::unique_ptr<ChildProcess> host_;
  Window window_ = 0;
  WindowGeometry geometry_;
};

TEST_F(SettingsDialogTest, OpensPaintedFollowsClicksAndCancelWritesNothing) {
  const std::string before = "; kept as it is\r\n" + IniBytes(" 1", " 7", "");
  WriteFile(IniPath(), before);
  ASSERT_NO_FATAL_FAILURE(OpenDialog());
  Display* d = x_.display();
  EXPECT_EQ(std::pair(geometry_.width, geometry_.height), std::pair(495, 246));
  EXPECT_EQ(geometry_.x, (DisplayWidth(d, DefaultScreen(d)) - 495) / 2);
  EXPECT_EQ(geometry_.y, (DisplayHeight(d, DefaultScreen(d)) - 246) / 3);

  const RgbImage image = CaptureDialog(0, 0, 495, 246);
  EXPECT_EQ(image.At(5, 0), 0x00001Eu) << "the gradient's dark top";
  for (int y = 0; y < 246; ++y) {
    const dialog::Rgb row = dialog::GradientRowColour(y, 246);
    ASSERT_EQ(image.At(5, y), (std::uint32_t{row.red} << 16) | (row.green << 8) | row.blue) << "gradient row " << y;
  }
  // The panel's top right, where no control stands: the strip's left
  // columns, repeated every 20 rows.
  const resources::RgbPicture strip = resources::PanelStrip();
  for (int py = 0; py < 50; ++py)
    for (int px = 240; px < 469; ++px) {
      const std::uint8_t* s = strip.pixels + ((py % 20) * strip.width + px) * 3;
      const std::uint32_t expected = (std::uint32_t{s[0]} << 16) | (s[1] << 8) | s[2];
      ASSERT_EQ(image.At(kPanelX + px, kPanelY + py), expected) << "panel pixel " << px << "," << py;
    }
  EXPECT_EQ(image.At(kPanelX + 20, kPanelY + 30), 0x000000u) << "the header frame";
  EXPECT_EQ(SelectedOptions(), (std::vector<bool>{false, true, false}));
  const std::uint8_t* off = resources::OptionNotSelected().pixels;
  EXPECT_EQ(CaptureDialog(kPanelX + 28, kPanelY + 76, 12, 12).pixels, std::vector<std::uint8_t>(off, off + 12 * 12 * 3));

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
    EXPECT_TRUE(Eventually([&] { return SelectedOptions() == row.selected; }));
    EXPECT_TRUE(Eventually([&] { return (fileButton() != fileDisabled) == row.fileEnabled; }));
    EXPECT_TRUE(Eventually([&] { return (repeatBox() == repeatEnabled) == row.repeatIsEnabled; }));
  }
  Click(kOptionPicture[0]);
  Click(kCancelButton);
  ExpectClosed();
  EXPECT_EQ(ReadFile(IniPath()), before);
}

// The close box writes nothing; then a typed track, a cancelled and a
// completed file choice, the set button, and the saver run that follows: the
// chosen WAV is heard.
TEST_F(SettingsDialogTest, CloseBoxWritesNothingAndSavedWavReachesTheNextSaverRun) {
  const std::string old = folder_ + "/music/old.mp3";
  const std::string wav = folder_ + "/music/camp fire.wav";
  WriteFile(old, "x");
  WriteWav(wav, Tone(440, 1.0));
  WriteFile(IniPath(), IniBytes(" 0", " 0", old));
  ASSERT_NO_FATAL_FAILURE(OpenDialog());
  Click(kOptionPicture[2]);
  XEvent event{};
  event.xclient = {ClientMessage, 0, False, x_.display(), window_, XInternAtom(x_.display(), "WM_PROTOCOLS", False), 32, {}};
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(x_.display(), "WM_DELETE_WINDOW", False));
  XSendEvent(x_.display(), window_, False, NoEventMask, &event);
  XFlush(x_.display());
  ExpectClosed();
  ASSERT_EQ(ReadFile(IniPath()), IniBytes(" 0", " 0", old)) << "the close box wrote";

  ASSERT_NO_FATAL_FAILURE(OpenDialog());
  Click(kOptionCaption[1]);
  Click(kRepeatInput);
  XDoTool({"key", "ctrl+a"});
  XDoTool({"type", "3.5"});
  Click(kOptionCaption[2]);

  const auto pathLabel = [this] { return CaptureDialog(kPanelX + 72, kPanelY + 116, 381, 33); };
  const RgbImage oldLabel = pathLabel();
  ASSERT_NO_FATAL_FAILURE(UseChooser("ignored.mp3", "Escape"));
  std::this_thread::sleep_for(300ms);
  EXPECT_EQ(pathLabel(), oldLabel) << "a cancelled choice changed the label";
  ASSERT_NO_FATAL_FAILURE(UseChooser(wav, "Return"));
  EXPECT_TRUE(Eventually([&] { return pathLabel() != oldLabel; })) << "the label shows the new path";
  Click(kSetButton);
  ExpectClosed();
  ASSERT_EQ(ReadFile(IniPath()), IniBytes(" 2", " 4", wav)) << "3.5 goes to the even neighbour";

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

}  // namespace
}  // namespace blazemere::testing
