// The dialog's drawing as the screen shows it: the opening and closing zooms
// leave no trail.
#include <algorithm>

#include "tests/dialog/dialog_fixture.h"

namespace blazemere::testing {
namespace {

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
  XEvent event{};
  event.xclient = {ClientMessage, 0, False, x_.display(), window_, XInternAtom(x_.display(), "WM_PROTOCOLS", False), 32, {}};
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(x_.display(), "WM_DELETE_WINDOW", False));
  XSendEvent(x_.display(), window_, False, NoEventMask, &event);
  XFlush(x_.display());
  shots.clear();
  while (host_->IsRunning() && shots.size() < 400) shots.push_back(shoot());
  shots.push_back(shoot());
  outlineSeen = false;
  for (std::size_t i = 0; i < shots.size(); ++i) EXPECT_EQ(Trail(shots[i], beneath, dialog, &outlineSeen), "") << "closing shot " << i;
  EXPECT_TRUE(outlineSeen) << "no shot caught the closing zoom";
  EXPECT_TRUE(Eventually([&] { return shoot() == beneath; })) << "something stayed after the dialog closed";
}

}  // namespace
}  // namespace blazemere::testing
