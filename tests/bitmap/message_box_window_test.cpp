// The message box as a user meets it: over a full-screen window that had the
// keyboard, on top and focused, dismissed by Return or Escape alone.
#include <gtest/gtest.h>

#include <X11/Xlib.h>

#include <algorithm>
#include <thread>

#include "tests/support/child_process.h"
#include "tests/support/x_session.h"

namespace blazemere::testing {
namespace {

using namespace std::chrono_literals;

// A plain window over the whole screen holding the focus, as the renderer's
// full-screen window does when it reports a bad palette.
class FullScreenBackdrop {
 public:
  explicit FullScreenBackdrop(Display* display) : display_(display) {
    const int screen = DefaultScreen(display_);
    XSetWindowAttributes attributes{};
    attributes.background_pixel = BlackPixel(display_, screen);
    window_ = XCreateWindow(display_, RootWindow(display_, screen), 0, 0, DisplayWidth(display_, screen),
                            DisplayHeight(display_, screen), 0, CopyFromParent, InputOutput, CopyFromParent,
                            CWBackPixel, &attributes);
    XStoreName(display_, window_, "backdrop");
    XMapRaised(display_, window_);
    XSync(display_, False);
    std::this_thread::sleep_for(100ms);
    XSetInputFocus(display_, window_, RevertToPointerRoot, CurrentTime);
    XSync(display_, False);
  }
  ~FullScreenBackdrop() {
    XDestroyWindow(display_, window_);
    XSync(display_, False);
  }
  FullScreenBackdrop(const FullScreenBackdrop&) = delete;
  FullScreenBackdrop& operator=(const FullScreenBackdrop&) = delete;
  Window window() const { return window_; }

 private:
  Display* display_;
  Window window_;
};

bool StackedAbove(Display* display, Window upper, Window lower) {
  Window root = 0, parent = 0, *children = nullptr;
  unsigned count = 0;
  if (XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count) == 0) return false;
  const auto upperAt = std::find(children, children + count, upper);
  const auto lowerAt = std::find(children, children + count, lower);
  const bool above = upperAt != children + count && lowerAt != children + count && upperAt > lowerAt;
  XFree(children);
  return above;
}

bool WaitForFocus(Display* display, Window window) {
  for (int i = 0; i < 100; ++i) {
    Window focus = 0;
    int revert = 0;
    XGetInputFocus(display, &focus, &revert);
    if (focus == window) return true;
    std::this_thread::sleep_for(20ms);
  }
  return false;
}

struct BoxCase {
  const char* caption;
  const char* text;
  const char* key;
};

TEST(MessageBoxWindow, ComesUpOnTopFocusedAndGoesWithOneKey) {
  const BoxCase cases[] = {
      {"Error", "Failed to open DIB file /no/such/palette.bmp.\n", "Return"},
      {"Error", "Unknown DIB file format.", "Escape"},
      {"Blazemere (ScreenSaver)", "Blazemere.dll が同じﾌｫﾙﾀﾞに見つかりません！", "Return"},
  };
  XSession session;
  ASSERT_TRUE(session.ok());
  for (const BoxCase& test : cases) {
    SCOPED_TRACE(std::string(test.caption) + " / " + test.key);
    const FullScreenBackdrop backdrop(session.display());
    ChildProcess box(BinDir() + "/message-box-demo", {test.caption, test.text});
    const Window window = session.WaitForWindow(test.caption, 10s);
    ASSERT_NE(window, 0u) << box.StandardError();
    EXPECT_TRUE(WaitForFocus(session.display(), window));
    EXPECT_TRUE(StackedAbove(session.display(), window, backdrop.window()));
    EXPECT_EQ(XDoTool({"key", test.key}), 0);
    EXPECT_EQ(box.WaitForExit(10s), 0);
    EXPECT_TRUE(session.WaitForNoWindow(test.caption, 5s));
  }
}

}  // namespace
}  // namespace blazemere::testing
