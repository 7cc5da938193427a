// The one FLTK font that draws the host's Japanese texts. FLTK takes the
// first character of a font name as a style letter and draws no glyph
// another font would have, so the name carries a leading blank and names a
// face that holds kana, kanji and Latin letters.
#pragma once

#include <FL/Enumerations.H>

namespace blazemere::platform {

// Registers the face with its bold and italic slots; the same slot every time.
Fl_Font JapaneseUiFont();

}  // namespace blazemere::platform
