// FLTK's windows under a foreign chooser: see fltk_windows_paint_only.h.
#include "platform/file_dialog/fltk/fltk_windows_paint_only.h"

#include <FL/Enumerations.H>
#include <FL/Fl.H>

namespace blazemere::platform {
namespace {

bool IsInput(int event) {
  switch (event) {
    case FL_PUSH: case FL_RELEASE: case FL_DRAG: case FL_MOVE: case FL_ENTER: case FL_MOUSEWHEEL:
    case FL_KEYDOWN: case FL_KEYUP: case FL_SHORTCUT: case FL_CLOSE:
    case FL_DND_ENTER: case FL_DND_DRAG: case FL_DND_LEAVE: case FL_DND_RELEASE:
      return true;
    default:
      // FL_LEAVE passes, so that a button the pointer left for the chooser
      // loses its hover look.
      return false;
  }
}

int DropInput(int event, Fl_Window* window) { return IsInput(event) ? 0 : Fl::handle_(event, window); }

}  // namespace

void PaintFltkWindowsDroppingInput() {
  const Fl_Event_Dispatch previous = Fl::event_dispatch();
  Fl::event_dispatch(&DropInput);
  Fl::check();
  Fl::event_dispatch(previous);
}

}  // namespace blazemere::platform
