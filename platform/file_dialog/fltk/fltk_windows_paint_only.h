// FLTK's windows under a chooser of another toolkit, whose modal loop runs
// instead of FLTK's: they keep painting, but take no clicks, keys or close
// box, as a modal dialog keeps its owner from input (FLTK's own modal
// windows do that for our own chooser).
#pragma once

namespace blazemere::platform {

// Handles what FLTK's display has queued: exposes repaint, input is
// dropped. FLTK's other loops (a message box over the chooser) see input as
// ever.
void PaintFltkWindowsDroppingInput();

}  // namespace blazemere::platform
