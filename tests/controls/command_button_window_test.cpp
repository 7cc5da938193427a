// Command buttons in real X windows: the fixture program's buttons driven
// with xdotool, their looks read back from the screen and compared with what
// the painter draws, their clicks read from the fixture's output.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "host/core/controls/skin_painter.h"
#include "host/resources/button/button_pictures.h"
#include "tests/controls/fixture_layout.h"
#include "tests/support/child_process.h"
#include "tests/support/x_session.h"

namespace blazemere::controls {
namespace {

using namespace std::chrono_literals;
using blazemere::testing::ChildProcess;
using blazemere::testing::XDoTool;
using blazemere::testing::XSession;

using fixture::PlacementOf;

// Polls until `done` holds; 3 s is only a hang guard.
bool Eventually(const std::function<bool()>& done) {
  for (const auto end = std::chrono::steady_clock::now() + 3s; std::chrono::steady_clock::now() < end;) {
    if (done()) return true;
    std::this_thread::sleep_for(20ms);
  }
  return false;
}

class CommandButtonWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(session_.ok()) << "no X display";
    XDoTool({"mousemove", "900", "900"});
    fixture_ = std::make_unique<ChildProcess>(blazemere::testing::BinDir() + "/command_button_fixture",
                                              std::vector<std::string>{});
    const Window form = session_.WaitForWindow("Command button fixture", 10s);
    ASSERT_NE(form, 0u) << fixture_->StandardError();
    origin_ = session_.Geometry(form);
  }

  void MoveTo(const std::string& name) {
    const fixture::Placement& s = PlacementOf(name);
    XDoTool({"mousemove", std::to_string(origin_.x + s.x + s.width / 2), std::to_string(origin_.y + s.y + 12)});
  }
  void MoveToEmptyForm() { XDoTool({"mousemove", std::to_string(origin_.x + 200), std::to_string(origin_.y + 80)}); }

  // Whether the button shows the painter's image for this look; where a
  // caption is drawn, only the frame and the rows above and below it count.
  bool ShowsLook(const std::string& name, StatePicture picture, bool inverted) {
    const fixture::Placement& s = PlacementOf(name);
    const RgbImage expected = PaintSkin(StatePictureImage(picture), s.width, 25, inverted);
    const auto shown = session_.Capture(origin_.x + s.x, origin_.y + s.y, s.width, 25);
    if (shown.width != s.width) return false;
    for (int y = 0; y < 25; ++y) {
      for (int x = 0; x < s.width; ++x) {
        const bool underCaption = s.caption[0] != '\0' && y >= 5 && y <= 19 && x >= 4 && x < s.width - 4;
        if (!underCaption && shown.At(x, y) != expected.At(x, y)) return false;
      }
    }
    return true;
  }
  bool WaitForLook(const std::string& name, StatePicture picture, bool inverted) {
    return Eventually([&] { return ShowsLook(name, picture, inverted); });
  }

  int Clicks(const std::string& name) {
    const std::string output = fixture_->StandardOutput(), line = "click " + name + "\n";
    int count = 0;
    for (auto at = output.find(line); at != std::string::npos; at = output.find(line, at + 1)) ++count;
    return count;
  }

  XSession session_;
  std::unique_ptr<ChildProcess> fixture_;
  blazemere::testing::WindowGeometry origin_;
};

// One start of the fixture, the user's steps in turn.
TEST_F(CommandButtonWindows, LooksAndClicksFollowTheUser) {
  for (const char* name : {"bare", "narrow", "set", "cancel"}) EXPECT_TRUE(WaitForLook(name, StatePicture::kNormal, false)) << name;
  EXPECT_TRUE(WaitForLook("file", StatePicture::kDisable, false)) << "disabled look";

  MoveTo("bare");
  EXPECT_TRUE(WaitForLook("bare", StatePicture::kHighLight, true)) << "hover on entry";
  MoveToEmptyForm();
  EXPECT_TRUE(WaitForLook("bare", StatePicture::kNormal, false)) << "hover gone after leaving";

  MoveTo("narrow");
  ASSERT_TRUE(WaitForLook("narrow", StatePicture::kHighLight, true));
  XDoTool({"click", "3"});
  EXPECT_TRUE(Eventually([&] { return Clicks("narrow") == 1; })) << "right release over a hovered button";

  MoveTo("set");
  XDoTool({"click", "1"});
  EXPECT_TRUE(Eventually([&] { return Clicks("set") == 1; })) << "a left click";
  EXPECT_TRUE(WaitForLook("set", StatePicture::kHighLightSelect, true)) << "focused hover after the click";

  MoveTo("cancel");
  XDoTool({"mousedown", "1"});
  EXPECT_TRUE(WaitForLook("cancel", StatePicture::kPressed, true)) << "held";
  MoveToEmptyForm();
  EXPECT_TRUE(WaitForLook("cancel", StatePicture::kSelected, false)) << "dragged off";
  XDoTool({"mouseup", "1"});

  MoveTo("file");
  XDoTool({"click", "1"});
  XDoTool({"click", "3"});
  MoveTo("bare");  // everything sent before is handled once this click comes through
  XDoTool({"click", "1"});
  ASSERT_TRUE(Eventually([&] { return Clicks("bare") > 0; }));
  EXPECT_EQ(Clicks("set"), 1) << "one click raises Click once";
  EXPECT_EQ(Clicks("cancel"), 0) << "press, drag off, release raises nothing";
  EXPECT_EQ(Clicks("file"), 0) << "a disabled button ignores everything";
  EXPECT_TRUE(ShowsLook("file", StatePicture::kDisable, false));
}

}  // namespace
}  // namespace blazemere::controls
