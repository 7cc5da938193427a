// XScreenSaver's display mode: see display_mode.h.
#include "host/core/startup/display_mode.h"

#include "common/names.h"
#include "host/core/saver/saver_window.h"
#include "host/core/settings/settings_file.h"
#include "host/core/startup/command_line.h"
#include "host/core/startup/path_helpers.h"
#include "host/core/startup/start_up.h"
#include "platform/files/files.h"
#include "platform/paths/drive_letter_path.h"

namespace blazemere::host {

int RunDisplayMode(HostContext& context, HostShell& shell) {
  const std::optional<std::uint32_t> preview = DisplayModePreviewOf(context.commandLine);
  if (preview == 0u) {
    shell.LogProblem("--window-id needs the id of the window to draw on");
    return 2;
  }
  if (!platform::CreateFolders(platform::MapDriveLetterPath(names::kPaletteFolder))) {
    // Start-up goes on: writing the palette file will fail and say nothing.
  }
  context.settings = LoadSettings(context.hostFolder);
  if (!FileExists(context.hostFolder + "/" + names::kRendererFileName)) {
    shell.LogProblem(kRendererMissingMessage);
    return 1;
  }

  SaverWindow::DisplayMode displayMode;
  if (preview) {
    displayMode.rendererArguments = {"--window-id", std::to_string(*preview)};
  } else {
    displayMode.rendererArguments = {"--root"};  // the renderer reads $XSCREENSAVER_WINDOW itself
    displayMode.musicLockPath = shell.MusicLockPath();
  }
  platform::MultimediaLayer* multimedia = preview ? nullptr : shell.Multimedia();
  SaverWindow window(context, {shell.Windows(), shell.Cursor(), multimedia}, std::move(displayMode));
  shell.RunSaverWindow(window);
  return 0;
}

}  // namespace blazemere::host
