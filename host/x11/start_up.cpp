// Start-up and mode dispatch: see start_up.h.
#include "host/x11/start_up.h"

#include <X11/Xlib.h>
#include <optional>
#include <string>

#include "common/names.h"
#include "host/core/settings/settings_file.h"
#include "host/core/startup/command_line.h"
#include "host/core/startup/path_helpers.h"
#include "host/x11/dialog/settings_dialog.h"
#include "host/x11/preview_window.h"
#include "host/x11/saver_run.h"
#include "platform/cursor/x11/x11_cursor.h"
#include "platform/files/files.h"
#include "platform/message_box/message_box.h"
#include "platform/paths/drive_letter_path.h"
#include "platform/process/instance_lock.h"
#include "platform/window_lookup/x11/x11_window_lookup.h"

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
  return platform::FindWindowByTitle(display, names::kSaverWindowTitle) != 0 ||
         platform::FindWindowByTitle(display, names::kSettingsDialogTitle) != 0;
}

// The modes whose window lives on: the saver and the settings dialog. Two
// hosts started in the same moment both find no window above; of those,
// only the one that holds the display's lock goes on. The preview neither
// takes nor heeds it, so a preview open in a settings panel never keeps the
// saver from starting.
bool OpensLastingWindow(const HostContext& context) {
  return context.mode == HostMode::kSaver || context.mode == HostMode::kSettings ||
         context.mode == HostMode::kSaverWithPointer;
}

std::string LockPathFor(Display* display) {
  if (display == nullptr) return {};
  return platform::InstanceLockPath(platform::InstanceLockName(DisplayString(display)));
}

}  // namespace

int Main(HostContext& context) {
  DisplayConnection display;
  if (AnotherHostRuns(display.get())) return 0;

  context.mode = HostModeOf(context.commandLine);
  if (context.mode == HostMode::kPreview) {
    RunPreview(display.get(), PreviewHandleOf(context.commandLine));
    return 0;
  }

  std::optional<platform::InstanceLock> lock;  // held until the host ends
  if (OpensLastingWindow(context)) {
    lock.emplace(LockPathFor(display.get()));
    if (lock->state() == platform::InstanceLock::State::kHeldElsewhere) return 0;
  }

  (void)platform::CreateFolders(platform::MapDriveLetterPath(names::kPaletteFolder));
  context.settings = LoadSettings(context.hostFolder);

  if (!FileExists(context.hostFolder + "/" + names::kRendererFileName)) {
    platform::ShowMessageBox(names::kApplicationTitle, kRendererMissingMessage, platform::MessageBoxIcon::kNone);
    return 0;
  }

  if (context.mode == HostMode::kSettings) {
    dialog::RunSettingsDialog(context);
    return 0;
  }
  if (context.mode == HostMode::kNothing) return 0;

  platform::X11Cursor cursor(display.get());
  if (context.mode == HostMode::kSaver) context.savedCursorCount = cursor.ShowCursor(false);

  SaverRun run(context, display.get(), cursor);
  run.Run();
  return 0;
}

}  // namespace blazemere::host
