// The link label `lbl_URL`: white underlined text over the gradient, our own
// pointing hand while the pointer is over it, and a click that hands the
// address to the desktop's default handler with the hourglass showing.
#pragma once

#include <FL/Fl_Box.H>

#include <functional>
#include <string>

#include "host/x11/dialog/link_cursors.h"

namespace blazemere::dialog {

class LinkLabel : public Fl_Box {
 public:
  LinkLabel(int x, int y, int w, int h, const char* address, const LinkCursors& cursors);

  void OnClick(std::function<void()> handler) { onClick_ = std::move(handler); }
  // Shows the hourglass while `work` runs, then the pointer that fits where
  // the pointer is: the hand over the link, the default elsewhere.
  void WithHourglass(const std::function<void()>& work);

  int handle(int event) override;

 protected:
  void draw() override;

 private:
  void ShowCursor(Cursor cursor);

  const LinkCursors& cursors_;
  std::function<void()> onClick_;
  bool pointerInside_ = false;
};

}  // namespace blazemere::dialog
