// Command buttons in real X windows: the fixture program's buttons driven
// with xdotool, their looks read back from the screen and compared with what
// the painter draws, their clicks read from the fixture's output.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

#include "host/controls/button_pictures.h"
#include "host/controls/skin_painter.h"
#include "tests/support/child_process.h"
#include "tests/support/x_session.h"

namespace blazemere::controls {
namespace {

using namespace std::chrono_literals;
using blazemere::testing::ChildProcess;
using blazemere::testing::XDoTool;
using blazemere::testing::XSession;

constexpr auto kDeadline = 3s;  // hang guard for every wait

struct Spot {
  int x;
  int y;
  int width;
  bool captioned;
};

// Where the fixture puts its buttons, relative to its window.
Spot SpotOf(const std::string& name) {
  if (name == "set") return {10, 10, 81, true};
  if (name == "cancel") return {100, 10, 81, true};
  if (name == "file") return {190, 10, 41, true};
  if (name == "bare") return {10, 50, 81, false};
  return {100, 50, 41, false};  // narrow
}

class CommandButtonWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(session_.ok()) << "no X display";
    XDoTool({"mousemove", "900", "900"});
    fixture_ = std::make_unique<ChildProcess>(blazemere::testing::BinDir() + "/command_button_fixture",
                                              std::vector<std::string>{});
    ASSERT_TRUE(fixture_->started());
    form_ = session_.WaitForWindow("Command button fixture", 10s);
    ASSERT_NE(form_, 0u) << fixture_->StandardError();
    origin_ = session_.Geometry(form_);
    ASSERT_TRUE(WaitForLook("bare", StatePicture::kNormal, false)) << "the fixture never drew its buttons";
  }

  void MoveTo(const std::string& name) {
    const Spot s = SpotOf(name);
    XDoTool({"mousemove", std::to_string(origin_.x + s.x + s.width / 2), std::to_string(origin_.y + s.y + 12)});
  }
  void MoveToEmptyForm() {
    XDoTool({"mousemove", std::to_string(origin_.x + 200), std::to_string(origin_.y + 80)});
  }

  // Whether the button shows the painter's image for this look; where a
  // caption is drawn, only the frame and the rows above and below it count.
  bool ShowsLook(const std::string& name, StatePicture picture, bool inverted) {
    const Spot s = SpotOf(name);
    const RgbImage expected = PaintSkin(StatePictureImage(picture), s.width, 25, inverted);
    const auto shown = session_.Capture(origin_.x + s.x, origin_.y + s.y, s.width, 25);
    if (shown.width != s.width) return false;
    for (int y = 0; y < 25; ++y) {
      for (int x = 0; x < s.width; ++x) {
        const bool underCaption = s.captioned && y >= 5 && y <= 19 && x >= 4 && x < s.width - 4;
        if (!underCaption && shown.At(x, y) != expected.At(x, y)) return false;
      }
    }
    return true;
  }

  bool WaitForLook(const std::string& name, StatePicture picture, bool inverted) {
    const auto end = std::chrono::steady_clock::now() + kDeadline;
    while (std::chrono::steady_clock::now() < end) {
      if (ShowsLook(name, picture, inverted)) return true;
      std::this_thread::sleep_for(20ms);
    }
    return false;
  }

  int Clicks(const std::string& name) {
    const std::string output = fixture_->StandardOutput();
    const std::string line = "click " + name + "\n";
    int count = 0;
    for (auto at = output.find(line); at != std::string::npos; at = output.find(line, at + 1)) ++count;
    return count;
  }

  bool WaitForClick(const std::string& name) {
    const auto end = std::chrono::steady_clock::now() + kDeadline;
    while (std::chrono::steady_clock::now() < end) {
      if (Clicks(name) > 0) return true;
      std::this_thread::sleep_for(20ms);
    }
    return false;
  }

  // Everything the fixture was sent before has been handled once a click
  // on another button has come through.
  void SettleWithAClickOn(const std::string& name) {
    MoveTo(name);
    XDoTool({"click", "1"});
    ASSERT_TRUE(WaitForClick(name));
  }

  XSession session_;
  std::unique_ptr<ChildProcess> fixture_;
  Window form_ = 0;
  blazemere::testing::WindowGeometry origin_;
};

TEST_F(CommandButtonWindows, RestingLooksEqualThePaintersImages) {
  EXPECT_TRUE(WaitForLook("narrow", StatePicture::kNormal, false));
  EXPECT_TRUE(WaitForLook("set", StatePicture::kNormal, false));
  EXPECT_TRUE(WaitForLook("cancel", StatePicture::kNormal, false));
  EXPECT_TRUE(WaitForLook("file", StatePicture::kDisable, false));
}

TEST_F(CommandButtonWindows, HoverLookComesOnEntryAndGoesAfterLeaving) {
  MoveTo("bare");
  EXPECT_TRUE(WaitForLook("bare", StatePicture::kHighLight, true));
  MoveToEmptyForm();
  EXPECT_TRUE(WaitForLook("bare", StatePicture::kNormal, false));
  MoveTo("narrow");
  EXPECT_TRUE(WaitForLook("narrow", StatePicture::kHighLight, true));
  MoveTo("bare");  // straight onto another button's window
  EXPECT_TRUE(WaitForLook("narrow", StatePicture::kNormal, false));
}

TEST_F(CommandButtonWindows, ClickRaisesClickOnce) {
  MoveTo("set");
  XDoTool({"click", "1"});
  ASSERT_TRUE(WaitForClick("set"));
  EXPECT_TRUE(WaitForLook("set", StatePicture::kHighLightSelect, true));
  SettleWithAClickOn("bare");
  EXPECT_EQ(Clicks("set"), 1);
}

TEST_F(CommandButtonWindows, PressDragOffReleaseRaisesNothing) {
  MoveTo("cancel");
  XDoTool({"mousedown", "1"});
  ASSERT_TRUE(WaitForLook("cancel", StatePicture::kPressed, true));
  MoveToEmptyForm();
  ASSERT_TRUE(WaitForLook("cancel", StatePicture::kSelected, false));
  XDoTool({"mouseup", "1"});
  // Held again, off and back on: the move back does not re-arm it.
  MoveTo("cancel");
  XDoTool({"mousedown", "1"});
  MoveToEmptyForm();
  std::this_thread::sleep_for(300ms);  // at least one poll finds it outside
  MoveTo("cancel");
  XDoTool({"mouseup", "1"});
  SettleWithAClickOn("bare");
  EXPECT_EQ(Clicks("cancel"), 0);
}

TEST_F(CommandButtonWindows, DisabledButtonIgnoresEverything) {
  MoveTo("file");
  XDoTool({"click", "1"});
  XDoTool({"click", "3"});
  SettleWithAClickOn("bare");
  EXPECT_EQ(Clicks("file"), 0);
  EXPECT_TRUE(ShowsLook("file", StatePicture::kDisable, false));
}

TEST_F(CommandButtonWindows, RightReleaseOverHoveredButtonClicks) {
  MoveTo("narrow");
  ASSERT_TRUE(WaitForLook("narrow", StatePicture::kHighLight, true));
  XDoTool({"click", "3"});
  EXPECT_TRUE(WaitForClick("narrow"));
  EXPECT_TRUE(ShowsLook("narrow", StatePicture::kHighLight, true));  // a right press draws nothing
}


TEST_F(CommandButtonWindows, TabMovesTheFocusAndKeysNeverClick) {
  XDoTool({"windowfocus", "--sync", std::to_string(form_)});
  ASSERT_TRUE(WaitForLook("set", StatePicture::kSelected, false));  // the form focuses its first button
  XDoTool({"key", "Tab"});
  EXPECT_TRUE(WaitForLook("cancel", StatePicture::kSelected, false));
  EXPECT_TRUE(WaitForLook("set", StatePicture::kNormal, false));
  XDoTool({"key", "space"});
  XDoTool({"key", "Return"});
  SettleWithAClickOn("bare");
  EXPECT_EQ(Clicks("set") + Clicks("cancel") + Clicks("narrow"), 0);
}

}  // namespace
}  // namespace blazemere::controls
