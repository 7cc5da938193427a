// The music panel's background: see music_panel.h.
#include "host/x11/dialog/music_panel.h"

#include <FL/fl_draw.H>

#include "host/core/dialog/dialog_layout.h"
#include "host/resources/dialog/dialog_art.h"

namespace blazemere::dialog {

MusicPanel::MusicPanel(int x, int y, int w, int h)
    : Fl_Group(x, y, w, h),
      strip_(resources::PanelStrip().pixels.data(), resources::PanelStrip().width, resources::PanelStrip().height, 3),
      tiles_(TileOrigins(resources::PanelStrip().width, resources::PanelStrip().height, w, h)) {
  box(FL_FLAT_BOX);
  color(fl_rgb_color(224, 224, 224));
}

void MusicPanel::draw() {
  if ((damage() & ~FL_DAMAGE_CHILD) != 0) {
    fl_push_clip(x(), y(), w(), h());
    fl_rectf(x(), y(), w(), h(), color());
    for (const TileOrigin& tile : tiles_) strip_.draw(x() + tile.x, y() + tile.y);
    const layout::Box frame = layout::kHeaderFrame;
    fl_color(FL_BLACK);
    fl_rect(x() + frame.x, y() + frame.y, frame.w, frame.h);
    fl_pop_clip();
  }
  draw_children();  // all of them after a full repaint, else the damaged ones
}

}  // namespace blazemere::dialog
