// A borderless child window inside another program's window that shows one
// RGB picture and repaints it whenever the X server asks.
#pragma once

#include <X11/Xlib.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/x11/x11_connection.h"

namespace blazemere::host {

struct WindowSize {
  int width = 0;
  int height = 0;
};

// The inner size of `window`; nothing when it names no window.
[[nodiscard]] std::optional<WindowSize> SizeOfWindow(platform::X11Connection& connection, Window window);

class X11PictureWindow {
 public:
  // `rgb` holds width x height pixels, R, G, B, top row first. The window is
  // created at 0,0 of `parent`, black, titled, and mapped; check ok().
  X11PictureWindow(platform::X11Connection& connection, Window parent, int width, int height,
                   const std::string& title, const std::vector<std::uint8_t>& rgb);
  ~X11PictureWindow();
  X11PictureWindow(const X11PictureWindow&) = delete;
  X11PictureWindow& operator=(const X11PictureWindow&) = delete;

  // False when the window could not be made (its parent has gone, say).
  [[nodiscard]] bool ok() const { return window_ != 0 && image_ != nullptr; }

  // Handles events until the window is destroyed, by its parent going away
  // or by anybody else.
  void RunUntilDestroyed();

 private:
  void Paint();

  platform::X11Connection& connection_;
  Display* display_;
  Window window_ = 0;
  GC gc_ = nullptr;
  XImage* image_ = nullptr;
  bool destroyed_ = false;
};

}  // namespace blazemere::host
