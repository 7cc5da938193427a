// Start-up and mode dispatch: see start_up.h.
#include "host/core/startup/start_up.h"

#include "common/names.h"
#include "host/core/saver/saver_window.h"
#include "host/core/settings/settings_file.h"
#include "host/core/startup/command_line.h"
#include "host/core/startup/display_mode.h"
#include "host/core/startup/path_helpers.h"
#include "platform/files/files.h"
#include "platform/paths/drive_letter_path.h"

namespace blazemere::host {

namespace {

bool AnotherHostRuns(platform::WindowLookup& windows) {
  return windows.FindWindowByTitle(names::kSaverWindowTitle) != 0 ||
         windows.FindWindowByTitle(names::kSettingsDialogTitle) != 0;
}

// The modes whose window lives on: the saver and the settings dialog. Two
// hosts started in the same moment both find no window above; of those,
// only the one that holds the lock goes on. The preview neither takes nor
// heeds it, so a preview open in a settings panel never keeps the saver
// from starting.
bool OpensLastingWindow(HostMode mode) {
  return mode == HostMode::kSaver || mode == HostMode::kSettings || mode == HostMode::kSaverWithPointer;
}

}  // namespace

int Main(HostContext& context, HostShell& shell) {
  context.mode = HostModeOf(context.commandLine);
  // XScreenSaver decides when its display mode runs, and starts it once per
  // monitor in the same moment: no running host keeps it from starting.
  if (context.mode == HostMode::kDisplayMode) return RunDisplayMode(context, shell);
  if (AnotherHostRuns(shell.Windows())) return 0;

  if (context.mode == HostMode::kPreview) {
    shell.RunPreview(PreviewHandleOf(context.commandLine));
    return 0;
  }
  if (OpensLastingWindow(context.mode) && shell.InstanceLockHeldElsewhere()) return 0;

  if (!platform::CreateFolders(platform::MapDriveLetterPath(names::kPaletteFolder))) {
    // Start-up goes on: writing the palette file will fail and say nothing.
  }
  context.settings = LoadSettings(context.hostFolder);

  if (!FileExists(context.hostFolder + "/" + names::kRendererFileName)) {
    shell.ShowMessage(names::kApplicationTitle, kRendererMissingMessage);
    return 0;
  }

  if (context.mode == HostMode::kSettings) {
    shell.RunSettingsDialog(context);
    return 0;
  }
  if (context.mode == HostMode::kNothing) return 0;

  if (context.mode == HostMode::kSaver) context.savedCursorCount = shell.Cursor().ShowCursor(false);
  SaverWindow window(context, {shell.Windows(), shell.Cursor(), shell.Multimedia()});
  shell.RunSaverWindow(window);
  return 0;
}

}  // namespace blazemere::host
