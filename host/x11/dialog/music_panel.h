// The panel `Pic_C` that holds the music controls: a light grey box covered
// with copies of the strip picture, and the black frame `Shape3` around the
// panel's header. Drawn in draw(), so it comes back after being covered.
#pragma once

#include <FL/Fl_Group.H>
#include <FL/Fl_RGB_Image.H>

#include <vector>

#include "host/core/dialog/dialog_background.h"

namespace blazemere::dialog {

class MusicPanel : public Fl_Group {
 public:
  MusicPanel(int x, int y, int w, int h);

 protected:
  void draw() override;

 private:
  Fl_RGB_Image strip_;
  std::vector<TileOrigin> tiles_;
};

}  // namespace blazemere::dialog
