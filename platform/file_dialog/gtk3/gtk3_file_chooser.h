// The desktop's own file chooser: GTK 3's GtkFileChooserDialog, reached
// through dlopen the first time it is asked for, so that the program neither
// links GTK nor needs it installed. GTK is loaded and started once per
// process and stays loaded (GTK cannot be unloaded).
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "platform/file_dialog/file_dialog.h"

namespace blazemere::platform {

// True once GTK 3 is loaded and has opened the display. `library` is the
// file dlopen is given (normally "libgtk-3.so.0"); only the first call's
// name counts, as its answer holds for the process.
[[nodiscard]] bool Gtk3ChooserUsable(const char* library);

// Runs the chooser as ChooseFileToOpen promises. Only after
// Gtk3ChooserUsable answered true. While GTK's modal loop runs,
// `keepPainting` is called about every 20 ms, so that the program's own
// windows repaint under the chooser.
[[nodiscard]] std::optional<std::string> ChooseFileWithGtk3(const OpenFileRequest& request,
                                                            const std::function<void()>& keepPainting);

}  // namespace blazemere::platform
