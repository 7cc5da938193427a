// The dialog's drawing as the screen shows it: the opening and closing zooms
// leave no trail, the path label shows whole lines only, and the chooser's
// place field shows the end of a long folder and repaints cleanly.
#include <algorithm>
#include <filesystem>

#include "host/resources/dialog/dialog_art.h"
#include "tests/dialog/dialog_fixture.h"

namespace blazemere::testing {
namespace {

namespace fs = std::filesystem;

// The pixels that are neither what lay beneath nor the painted dialog are
// the zoom's outline: they must all lie on the border of their bounding box,
// one rectangle. An earlier step's lines, or lines on a window that has not
// painted, lie inside it. Empty text when the shot is clean.
std::string Trail(const RgbImage& shot, const RgbImage& beneath, const RgbImage& dialog, bool* outlineSeen) {
  int left = shot.width, top = shot.height, right = -1, bottom = -1;
  const auto stray = [&](int x, int y) { return shot.At(x, y) != beneath.At(x, y) && shot.At(x, y) != dialog.At(x, y); };
  for (int y = 0; y < shot.height; ++y)
    for (int x = 0; x < shot.width; ++x)
      if (stray(x, y)) left = std::min(left, x), top = std::min(top, y), right = std::max(right, x), bottom = std::max(bottom, y);
  if (right < 0) return {};
  *outlineSeen = true;
  constexpr int kBand = 3;  // the outline is 2 pixels wide
  for (int y = top + kBand; y <= bottom - kBand; ++y)
    for (int x = left + kBand; x <= right - kBand; ++x)
      if (stray(x, y)) return "stray pixel at " + std::to_string(x) + "," + std::to_string(y);
  return {};
}

TEST_F(SettingsDialogTest, ZoomsLeaveNoTrail) {
  WriteFile(IniPath(), IniBytes(" 1", " 7", ""));
  const WindowGeometry place = ExpectedDialogPlace();
  const Point zoomPoint{place.x - 100, place.y - 60};
  XDoTool({"mousemove", std::to_string(zoomPoint.x), std::to_string(zoomPoint.y)});
  const Point origin{zoomPoint.x - 4, zoomPoint.y - 4};
  const auto shoot = [&] { return x_.Capture(origin.x, origin.y, place.x + 499 - origin.x, place.y + 250 - origin.y); };
  // The gradient's middle row, as in OpenDialog.
  const auto painted = [&](const RgbImage& shot) { return shot.At(place.x - origin.x + 4, place.y - origin.y + 123) == 0xDCDCFA; };
  const RgbImage beneath = shoot();

  // Opening: every shot until the dialog stands painted and still.
  std::vector<RgbImage> shots{beneath};
  StartHost();
  for (const auto end = std::chrono::steady_clock::now() + 10s; std::chrono::steady_clock::now() < end;) {
    shots.push_back(shoot());
    const std::size_t n = shots.size();
    if (x_.Exists(kDialogTitle) && shots[n - 1] == shots[n - 2] && painted(shots[n - 1])) break;
  }
  const RgbImage dialog = shots.back();
  ASSERT_TRUE(painted(dialog)) << "the dialog was not painted";
  bool outlineSeen = false;
  for (std::size_t i = 0; i < shots.size(); ++i) EXPECT_EQ(Trail(shots[i], beneath, dialog, &outlineSeen), "") << "opening shot " << i;
  EXPECT_TRUE(outlineSeen) << "no shot caught the opening zoom";

  // Closing by the close box, which changes nothing on the dialog first.
  window_ = x_.WaitForWindow(kDialogTitle, 1s);
  PressCloseBox();
  shots.clear();
  while (host_->IsRunning() && shots.size() < 400) shots.push_back(shoot());
  shots.push_back(shoot());
  outlineSeen = false;
  for (std::size_t i = 0; i < shots.size(); ++i) EXPECT_EQ(Trail(shots[i], beneath, dialog, &outlineSeen), "") << "closing shot " << i;
  EXPECT_TRUE(outlineSeen) << "no shot caught the closing zoom";
  EXPECT_TRUE(Eventually([&] { return shoot() == beneath; })) << "something stayed after the dialog closed";
}

// A path of more than two lines: the label shows two whole lines, and under
// them the panel's texture, untouched. Each folder of tall Japanese glyphs
// fills a line of its own, so a third line would show its tops.
TEST_F(SettingsDialogTest, PathLabelDrawsOnlyWholeLines) {
  std::string fifteen;
  for (int i = 0; i < 15; ++i) fifteen += "火";
  const std::string folder = folder_ + "/music/" + fifteen + "/" + fifteen;
  fs::create_directories(folder);
  const std::string song = folder + "/" + fifteen + ".mp3";
  ASSERT_LE(song.size(), 254u) << "scratch folder too deep for this test";
  WriteFile(song, "ID3");
  WriteFile(IniPath(), IniBytes(" 2", " 0", song));
  ASSERT_NO_FATAL_FAILURE(OpenDialog());
  constexpr int kLabelX = 72, kLabelY = 116, kLineHeight = 15;  // in the panel
  const RgbImage label = CaptureDialog(kPanelX + kLabelX, kPanelY + kLabelY, 381, 33);
  for (int line = 0; line < 2; ++line) {
    bool ink = false;
    for (int y = line * kLineHeight; y < (line + 1) * kLineHeight; ++y)
      for (int x = 0; x < label.width; ++x) ink = ink || IsDark(label.At(x, y));
    EXPECT_TRUE(ink) << "line " << line << " is empty";
  }
  const RgbImage& strip = resources::PanelStrip();
  for (int y = 2 * kLineHeight; y < label.height; ++y)
    for (int x = 0; x < label.width; ++x)
      ASSERT_EQ(label.At(x, y), strip.At(kLabelX + x, (kLabelY + y) % strip.height)) << "below the second line at " << x << "," << y;
}

// The chooser opens in a folder too long for its place field: the field shows
// the path's end, so going up one level shows something else; and after a
// change to "/" the field holds that one glyph and nothing more.
TEST_F(SettingsDialogTest, ChooserPlaceShowsTheEndOfALongFolder) {
  const std::string folder = folder_ + "/music/" + std::string(40, 'd') + "/" + std::string(40, 'e') + "/" + std::string(40, 'f');
  fs::create_directories(folder);
  const std::string song = folder + "/x.mp3";
  WriteFile(song, "ID3");
  WriteFile(IniPath(), IniBytes(" 2", " 0", song));
  ASSERT_NO_FATAL_FAILURE(OpenDialog());
  const Window chooser = OpenChooser();
  ASSERT_NE(chooser, 0u);
  const WindowGeometry g = x_.Geometry(chooser);
  // The place field's inside (the field stands at 80,10, 370 x 25).
  const auto placeField = [&] { return x_.Capture(g.x + 83, g.y + 13, 364, 19); };
  const RgbImage deep = placeField();
  XDoTool({"type", ".."});
  XDoTool({"key", "Return"});
  EXPECT_TRUE(Eventually([&] { return placeField() != deep; })) << "one level up shows the same text";
  XDoTool({"type", "/"});
  XDoTool({"key", "Return"});
  const auto onlyOneGlyph = [&] {
    const RgbImage field = placeField();
    for (int y = 0; y < field.height; ++y)
      for (int x = 14; x < field.width; ++x)
        if (field.At(x, y) != 0xFFFFFF) return false;
    for (int y = 0; y < field.height; ++y)
      for (int x = 0; x < 14; ++x)
        if (IsDark(field.At(x, y))) return true;
    return false;
  };
  EXPECT_TRUE(Eventually(onlyOneGlyph)) << "the field does not show \"/\" alone";
  XDoTool({"key", "Escape"});
  ASSERT_TRUE(x_.WaitForNoWindow(kChooserTitle, 10s));
  Click(kCancelButton);
  ExpectClosed();
}

}  // namespace
}  // namespace blazemere::testing
