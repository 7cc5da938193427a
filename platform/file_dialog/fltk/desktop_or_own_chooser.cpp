// ChooseFileToOpen for the FLTK programs: the desktop's chooser where GTK 3
// can be had, our own FLTK one everywhere else (see file_dialog.h).
#include <cstdlib>

#include "platform/file_dialog/file_dialog.h"
#include "platform/file_dialog/fltk/fltk_file_chooser.h"
#include "platform/file_dialog/fltk/fltk_windows_paint_only.h"
#include "platform/file_dialog/gtk3/gtk3_file_chooser.h"

namespace blazemere::platform {
namespace {

// Tests point this at a missing file to see our own chooser on a machine
// that has GTK.
const char* Gtk3LibraryName() {
  const char* named = std::getenv("BLAZEMERE_GTK3_LIBRARY");
  return named != nullptr && *named != '\0' ? named : "libgtk-3.so.0";
}

}  // namespace

std::optional<std::string> ChooseFileToOpen(const OpenFileRequest& request) {
  if (!Gtk3ChooserUsable(Gtk3LibraryName())) return ChooseFileWithFltk(request);
  return ChooseFileWithGtk3(request, &PaintFltkWindowsDroppingInput);
}

}  // namespace blazemere::platform
