// RunSettingsDialog: the settings dialog from loading to closing.
#include "host/x11/dialog/settings_dialog.h"

#include <FL/Fl.H>
#include <FL/x.H>

#include <memory>

#include "host/x11/dialog/link_cursors.h"
#include "host/x11/dialog/settings_dialog_window.h"
#include "platform/pointer/x11/x11_pointer.h"
#include "platform/process/process.h"

namespace blazemere::dialog {
namespace {

// Where the pointer is when the dialog loads: the zoom's start and end point;
// (0, 0) when the pointer cannot be found.
void RememberZoomPoint(Display* display, host::HostContext& context) {
  const platform::ScreenPoint point = platform::GetCursorPos(display).value_or(platform::ScreenPoint{});
  context.zoomPointX = static_cast<std::int16_t>(point.x);
  context.zoomPointY = static_cast<std::int16_t>(point.y);
}

}  // namespace

void RunSettingsDialog(host::HostContext& context) {
  // Without a display there is nothing to show; FLTK itself would end the
  // process with a message instead.
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return;
  fl_open_display(display);
  LinkCursors cursors(fl_display);
  auto window = std::make_unique<SettingsDialogWindow>(context, cursors);
  window->Load();
  RememberZoomPoint(fl_display, context);
  window->PlayOpeningZoom();
  window->ShowDialog();
  while (window->shown()) Fl::wait();
  for (const int handler : window->linkHandlers()) platform::HasProgramEnded(handler);
  window.reset();
  Fl::flush();
}

}  // namespace blazemere::dialog
