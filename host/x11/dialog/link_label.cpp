// The link label: see link_label.h.
#include "host/x11/dialog/link_label.h"

#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>
#include <FL/x.H>

namespace blazemere::dialog {

LinkLabel::LinkLabel(int x, int y, int w, int h, const char* address, const LinkCursors& cursors)
    : Fl_Box(FL_NO_BOX, x, y, w, h, address), cursors_(cursors) {
  align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE | FL_ALIGN_TOP);
}

void LinkLabel::ShowCursor(Cursor cursor) {
  Fl_Window* top = top_window();
  if (top == nullptr || !top->shown()) return;
  if (cursor == 0) {
    top->cursor(FL_CURSOR_DEFAULT);
    return;
  }
  XDefineCursor(fl_display, fl_xid(top), cursor);
  XFlush(fl_display);
}

void LinkLabel::WithHourglass(const std::function<void()>& work) {
  ShowCursor(cursors_.watch());
  work();
  ShowCursor(pointerInside_ ? cursors_.hand() : 0);
}

int LinkLabel::handle(int event) {
  switch (event) {
    case FL_ENTER:
      pointerInside_ = true;
      ShowCursor(cursors_.hand());
      return 1;
    case FL_LEAVE:
      pointerInside_ = false;
      ShowCursor(0);
      return 1;
    case FL_MOVE:
      return 1;
    case FL_PUSH:
      return 1;
    case FL_RELEASE:
      if (Fl::event_inside(this) && onClick_) onClick_();
      return 1;
    default:
      return Fl_Box::handle(event);
  }
}

void LinkLabel::draw() {
  fl_font(labelfont(), labelsize());
  fl_color(labelcolor());
  const int baseline = y() + fl_height() - fl_descent();
  fl_draw(label(), x(), baseline);
  const int textWidth = static_cast<int>(fl_width(label()));
  fl_xyline(x(), baseline + 1, x() + textWidth - 1);
}

}  // namespace blazemere::dialog
