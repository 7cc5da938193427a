// FLTK's display: see fltk_display.h.
#include "platform/fltk/fltk_display.h"

#include <FL/Fl.H>
#include <FL/x.H>

#include <memory>

namespace blazemere::platform {

void ShareConnectionWithFltk(X11Connection& connection) {
  if (fl_display == nullptr) fl_open_display(connection.display());
}

bool EnsureFltkDisplay() {
  if (fl_display != nullptr) return true;
  // A program without a connection of its own (the renderer, whose display
  // belongs to GLUT); FLTK holds on to it until the process ends.
  static const std::unique_ptr<X11Connection> own = X11Connection::Open();
  if (!own) return false;
  fl_open_display(own->display());
  return true;
}

}  // namespace blazemere::platform
