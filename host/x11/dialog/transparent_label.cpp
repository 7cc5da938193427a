// Labels drawn at their exact place: see transparent_label.h.
#include "host/x11/dialog/transparent_label.h"

#include <FL/Fl_Image.H>
#include <FL/fl_draw.H>

namespace blazemere::dialog {

void TransparentLabel::draw() {
  if (image() != nullptr) {
    image()->draw(x(), y());
    return;
  }
  if (label() == nullptr) return;
  fl_font(labelfont(), labelsize());
  fl_color(active_r() ? labelcolor() : fl_inactive(labelcolor()));
  int left = x();
  if (centred_) left += (w() - static_cast<int>(fl_width(label()))) / 2;
  fl_draw(label(), left, y() + fl_height() - fl_descent());
}

}  // namespace blazemere::dialog
