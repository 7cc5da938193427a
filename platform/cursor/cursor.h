// ShowCursor: the mouse pointer hidden or shown over the whole screen,
// following a counter; the pointer shows while the count is 0 or more.
#pragma once

namespace blazemere::platform {

class Cursor {
 public:
  virtual ~Cursor() = default;

  // `show` false hides one level, true shows one level; the new count.
  virtual int ShowCursor(bool show) = 0;
};

}  // namespace blazemere::platform
