// The X side of a test: the display the test runs on, windows found by title
// with a deadline, their pixels, and xdotool for keys and clicks as a user
// would give them.
#pragma once

#include <X11/Xlib.h>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "common/rgb_image.h"
#include "platform/x11/x11_connection.h"

namespace blazemere::testing {

// Screenshots come back as the project's own picture type, so a test can set
// them beside what the painter drew.
using blazemere::RgbImage;

struct WindowGeometry {
  int x = 0;  // relative to the root window
  int y = 0;
  int width = 0;
  int height = 0;
};

class XSession {
 public:
  XSession();  // opens $DISPLAY; check ok()
  ~XSession();
  XSession(const XSession&) = delete;
  XSession& operator=(const XSession&) = delete;

  bool ok() const { return connection_ != nullptr; }
  Display* display() const { return display_; }

  // 0 if no window with that title appears (or, for WaitForNoWindow, if it
  // is still there) before the deadline.
  Window WaitForWindow(const std::string& title, std::chrono::milliseconds timeout);
  bool WaitForNoWindow(const std::string& title, std::chrono::milliseconds timeout);
  bool Exists(const std::string& title);

  // A plain window of the test's own that takes the keyboard focus (through
  // xdotool, as a user's click would give it), standing for another
  // program that held the keyboard when ours started. 0 on failure.
  Window CreateFocusedWindow();
  // False if `window` does not hold the keyboard focus before the deadline.
  bool WaitForFocus(Window window, std::chrono::milliseconds timeout);
  // Every window with exactly that name (WM_NAME), anywhere in the tree.
  std::vector<Window> WindowsTitled(const std::string& title);

  WindowGeometry Geometry(Window window);
  // What the screen shows in the rectangle (root coordinates).
  RgbImage Capture(int x, int y, int width, int height);
  RgbImage CaptureWindow(Window window);

 private:
  std::unique_ptr<platform::X11Connection> connection_;
  Display* display_ = nullptr;
};

// xdotool with the given arguments, e.g. {"key", "Escape"}; returns its status.
int XDoTool(const std::vector<std::string>& arguments);

}  // namespace blazemere::testing
