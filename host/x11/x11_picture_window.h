// A borderless child window inside another program's window that shows one
// RGB picture and repaints it whenever the X server asks.
#pragma once

#include <X11/Xlib.h>
#include <cstdint>
#include <string>
#include <vector>

namespace blazemere::platform {

// The inner size of `window`; false when it names no window.
bool WindowSize(Display* display, Window window, int& width, int& height);

class X11PictureWindow {
 public:
  // `rgb` holds width x height pixels, R, G, B, top row first. The window is
  // created at 0,0 of `parent`, black, titled, and mapped.
  X11PictureWindow(Display* display, Window parent, int width, int height, const std::string& title,
                   const std::vector<std::uint8_t>& rgb);
  ~X11PictureWindow();
  X11PictureWindow(const X11PictureWindow&) = delete;
  X11PictureWindow& operator=(const X11PictureWindow&) = delete;

  bool ok() const { return window_ != 0 && image_ != nullptr; }
  Window window() const { return window_; }

  // Handles events until the window is destroyed, by its parent going away
  // or by anybody else.
  void RunUntilDestroyed();

 private:
  void Paint();

  Display* display_;
  Window window_ = 0;
  GC gc_ = nullptr;
  XImage* image_ = nullptr;
  bool destroyed_ = false;
};

}  // namespace blazemere::platform
