// The path label: see path_label.h.
#include "host/x11/dialog/path_label.h"

#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>

#include "host/core/dialog/path_label_wrap.h"

namespace blazemere::dialog {

PathLabel::PathLabel(int x, int y, int w, int h) : Fl_Widget(x, y, w, h) { box(FL_NO_BOX); }

void PathLabel::SetPath(const std::string& path) {
  path_ = path;
  // Transparent: what lies behind must be painted again before the text.
  if (window() != nullptr) window()->redraw();
}

void PathLabel::draw() {
  fl_font(labelfont(), labelsize());
  fl_color(labelcolor());
  const int lineHeight = fl_height();
  // Only whole lines: a third line would show as a sliced strip under the second.
  const std::size_t lineCount = lineHeight > 0 ? static_cast<std::size_t>(h() / lineHeight) : 0;
  const auto lines = WrapIntoLines(path_, w(), lineCount, [](std::string_view piece) {
    return fl_width(piece.data(), static_cast<int>(piece.size()));
  });
  fl_push_clip(x(), y(), w(), h());
  int baseline = y() + lineHeight - fl_descent();
  for (const std::string& line : lines) {
    fl_draw(line.c_str(), static_cast<int>(line.size()), x(), baseline);
    baseline += lineHeight;
  }
  fl_pop_clip();
}

}  // namespace blazemere::dialog
