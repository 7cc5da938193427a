// RunSettingsDialog on Windows: see settings_dialog.h.
#include "host/win32/dialog/settings_dialog.h"

#include <windows.h>

#include "host/win32/dialog/settings_dialog_window.h"
#include "platform/caption_zoom/win32/win32_caption_zoom.h"
#include "platform/pointer/win32/win32_pointer.h"

namespace blazemere::dialog {
namespace {

// Where the pointer is when the dialog loads: the zoom's start and end
// point; (0, 0) when the pointer cannot be found.
void RememberZoomPoint(host::HostContext& context) {
  const platform::ScreenPoint point = platform::GetCursorPos().value_or(platform::ScreenPoint{});
  context.zoomPointX = static_cast<std::int16_t>(point.x);
  context.zoomPointY = static_cast<std::int16_t>(point.y);
}

}  // namespace

void RunSettingsDialog(host::HostContext& context) {
  platform::Win32CaptionZoom zoom;
  SettingsDialogWindow dialog(context, zoom);
  if (!dialog.IsOpen()) return;
  dialog.Load();
  RememberZoomPoint(context);
  dialog.PlayOpeningZoom();
  dialog.Show();
  MSG message{};
  while (dialog.IsOpen() && GetMessageW(&message, nullptr, 0, 0) > 0) {
    // The dialog manager moves the focus with Tab in the controls' order.
    if (IsDialogMessageW(dialog.window(), &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

}  // namespace blazemere::dialog
