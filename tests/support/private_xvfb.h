// An Xvfb of a test's own whose screen is a file (-fbdir), for what a screen
// capture cannot show: the software-drawn mouse pointer is in that file.
#pragma once

#include <memory>
#include <string>

#include "tests/support/child_process.h"
#include "tests/support/x_session.h"

namespace blazemere::testing {

class PrivateXvfb {
 public:
  // Starts Xvfb on a display number it picks itself, with the classic root
  // cursor so that a pointer is drawn at all.
  explicit PrivateXvfb(const std::string& size = "320x240");
  ~PrivateXvfb();
  PrivateXvfb(const PrivateXvfb&) = delete;
  PrivateXvfb& operator=(const PrivateXvfb&) = delete;

  bool ok() const { return !display_.empty(); }
  const std::string& display() const { return display_; }  // ":N"

  // Pixels of the rectangle where the framebuffer differs from what the
  // screen shows to clients (which never includes the pointer): the pointer's
  // pixels. Pixels that change while looking (animation) are not counted;
  // the most of three looks, about 400 ms. DISPLAY must name this server.
  int PointerPixels(int x, int y, int width, int height) const;

 private:
  RgbImage Framebuffer() const;  // the screen as Xvfb keeps it, pointer included
  std::unique_ptr<ChildProcess> server_;
  std::string display_;
  std::string folder_;
};

}  // namespace blazemere::testing
