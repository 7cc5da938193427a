// The host's X services on a real X server: the pointer hidden and shown by
// ShowCursor's count, the caption zoom leaving nothing behind.
#include <gtest/gtest.h>

#include <thread>

#include "platform/x11/x11_caption_zoom.h"
#include "platform/x11/x11_cursor.h"
#include "tests/support/private_xvfb.h"

namespace blazemere::platform {
namespace {

// The pointer is put in the middle of the screen.
bool PointerVisible(const testing::PrivateXvfb& server) { return server.PointerPixels(144, 104, 32, 32) > 0; }

TEST(X11Cursor, FollowsTheShowCursorCount) {
  testing::PrivateXvfb server;
  ASSERT_TRUE(server.ok());
  Display* display = XOpenDisplay(server.display().c_str());
  ASSERT_NE(display, nullptr);
  XWarpPointer(display, None, DefaultRootWindow(display), 0, 0, 0, 0, 160, 120);
  XSync(display, False);
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  ASSERT_TRUE(PointerVisible(server)) << "the pointer should be drawn before anything is hidden";

  X11Cursor cursor(display);
  struct Step {
    bool show;
    int count;
    bool visible;
  };
  const Step steps[] = {{false, -1, false}, {false, -2, false}, {true, -1, false}, {true, 0, true}, {true, 1, true}};
  for (const Step& step : steps) {
    EXPECT_EQ(cursor.ShowCursor(step.show), step.count);
    XSync(display, False);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(PointerVisible(server), step.visible) << "count " << step.count;
  }
  // Hidden again, then the connection ends: the server shows it by itself.
  cursor.ShowCursor(false);
  cursor.ShowCursor(false);
  XSync(display, False);
  ASSERT_FALSE(PointerVisible(server));
  XCloseDisplay(display);
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  EXPECT_TRUE(PointerVisible(server)) << "the server did not show the pointer of a closed connection";
}

TEST(X11CaptionZoom, LeavesNoTrace) {
  testing::XSession session;
  ASSERT_TRUE(session.ok());
  Display* display = session.display();
  const testing::RgbImage before = session.Capture(0, 0, 400, 300);
  DrawCaptionZoom(display, {10, 10, 10, 10}, {50, 40, 350, 260});
  DrawCaptionZoom(display, {50, 40, 350, 260}, {0, 0, 0, 0});
  XSync(display, False);
  EXPECT_EQ(session.Capture(0, 0, 400, 300).pixels, before.pixels);
}

}  // namespace
}  // namespace blazemere::platform
