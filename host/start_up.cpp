// Start-up and mode dispatch: see start_up.h.
#include "host/start_up.h"

#include <X11/Xlib.h>

#include "host/command_line.h"
#include "host/dialog/settings_dialog.h"
#include "host/path_helpers.h"
#include "host/preview_window.h"
#include "host/saver_run.h"
#include "host/settings_file.h"
#include "platform/paths/atomic_file.h"
#include "platform/paths/drive_letter_path.h"
#include "platform/ui/message_box.h"
#include "platform/x11/x11_cursor.h"
#include "platform/x11/x11_window_lookup.h"

namespace blazemere::host {

namespace {

// Failed X requests (a window that vanished, a bad preview handle) are
// skipped like every other failed step; Xlib's default would end the host.
int IgnoreXError(Display*, XErrorEvent*) { return 0; }

class DisplayConnection {
 public:
  DisplayConnection() : display_(XOpenDisplay(nullptr)) {
    if (display_ != nullptr) XSetErrorHandler(IgnoreXError);
  }
  ~DisplayConnection() {
    if (display_ != nullptr) XCloseDisplay(display_);
  }
  DisplayConnection(const DisplayConnection&) = delete;
  DisplayConnection& operator=(const DisplayConnection&) = delete;
  Display* get() const { return display_; }

 private:
  Display* display_;
};

bool AnotherHostRuns(Display* display) {
  return platform::FindWindowByTitle(display, kSaverWindowTitle) != 0 ||
         platform::FindWindowByTitle(display, kSettingsDialogTitle) != 0;
}

}  // namespace

int Main(HostContext& context) {
  DisplayConnection display;
  if (AnotherHostRuns(display.get())) return 0;

  context.modeLetter = ModeLetterOf(context.commandLine);
  if (context.modeLetter == "P") {
    RunPreview(display.get(), PreviewHandleOf(context.commandLine));
    return 0;
  }

  platform::CreateFolders(platform::MapDriveLetterPath("C:\\k_vorn"));
  context.settings = LoadSettings(context.hostFolder);

  if (!FileExists(context.hostFolder + "/Blazemere.dll")) {
    platform::ShowMessageBox(kApplicationTitle, kRendererMissingMessage, platform::MessageBoxIcon::kNone);
    return 0;
  }

  if (context.modeLetter == "C") {
    dialog::RunSettingsDialog(context);
    return 0;
  }
  if (!context.commandLine.empty() && context.modeLetter != "S") return 0;

  platform::X11Cursor cursor(display.get());
  if (context.modeLetter == "S") context.savedCursorCount = cursor.ShowCursor(false);

  SaverRun run(context, display.get(), cursor);
  run.Run();
  return 0;
}

}  // namespace blazemere::host
