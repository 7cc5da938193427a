// A label of the dialog: its text (or picture) drawn exactly at the label's
// top-left corner, with nothing painted behind it, so the gradient or the
// panel texture shows through. FLTK's own labels keep a 3-pixel margin and
// centre vertically, which would move every caption off its place.
#pragma once

#include <FL/Fl_Box.H>

namespace blazemere::dialog {

class TransparentLabel : public Fl_Box {
 public:
  TransparentLabel(int x, int y, int w, int h, const char* text = nullptr) : Fl_Box(FL_NO_BOX, x, y, w, h, text) {}

  // Centre the text across the label's width instead of starting at its left.
  void CentreText(bool centre) { centred_ = centre; }

 protected:
  void draw() override;

 private:
  bool centred_ = false;
};

}  // namespace blazemere::dialog
