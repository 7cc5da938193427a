// RunSettingsDialog: the settings dialog from loading to closing.
#include "host/x11/dialog/settings_dialog.h"

#include <FL/Fl.H>
#include <FL/x.H>

#include <memory>

#include "host/x11/dialog/link_cursors.h"
#include "host/x11/dialog/settings_dialog_window.h"
#include "platform/caption_zoom/x11/x11_caption_zoom.h"
#include "platform/fltk/fltk_display.h"
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

void RunSettingsDialog(host::HostContext& context, platform::X11Connection& connection) {
  platform::ShareConnectionWithFltk(connection);
  LinkCursors cursors(connection.display());
  platform::X11CaptionZoom zoom(connection);
  auto window = std::make_unique<SettingsDialogWindow>(context, cursors, zoom, connection);
  window->Load();
  RememberZoomPoint(connection.display(), context);
  window->PlayOpeningZoom();
  window->ShowDialog();
  while (window->shown()) Fl::wait();
  for (const platform::ProcessId handler : window->linkHandlers()) {
    if (!platform::HasProgramEnded(handler)) {
      // Still running: the system collects it once the host has ended.
    }
  }
  window.reset();
  Fl::flush();
}

}  // namespace blazemere::dialog
