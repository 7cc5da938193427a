// ShowCursor's display counter: each call moves the count by one and returns
// it; the pointer is shown while the count is 0 or more. Pure bookkeeping,
// the X side is in x11_cursor.h.
#pragma once

namespace blazemere::platform {

class ShowCursorCount {
 public:
  // `show` false hides one level, true shows one level. The new count.
  int Apply(bool show) { return show ? ++count_ : --count_; }
  bool visible() const { return count_ >= 0; }
  int count() const { return count_; }

 private:
  int count_ = 0;
};

}  // namespace blazemere::platform
