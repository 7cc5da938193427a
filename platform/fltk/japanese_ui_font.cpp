// The host's Japanese UI font: see japanese_ui_font.h.
#include "platform/fltk/japanese_ui_font.h"

#include <FL/Fl.H>

namespace blazemere::platform {

// FLTK finds the bold and italic faces of a font at the next three slots
// (list entries ask for bold with "@b"); an empty slot would crash it.
Fl_Font JapaneseUiFont() {
  constexpr Fl_Font kSlot = FL_FREE_FONT;
  Fl::set_font(kSlot, " IPAPGothic");
  Fl::set_font(kSlot + FL_BOLD, "BIPAPGothic");
  Fl::set_font(kSlot + FL_ITALIC, "IIPAPGothic");
  Fl::set_font(kSlot + FL_BOLD + FL_ITALIC, "PIPAPGothic");
  return kSlot;
}

}  // namespace blazemere::platform
