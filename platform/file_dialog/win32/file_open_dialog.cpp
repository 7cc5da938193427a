// GetOpenFileName on Windows: see file_dialog.h.
// STUB: the chooser is not shown yet (the settings dialog's Win32 side comes
// next); every choice ends as if cancelled.
#include "platform/file_dialog/file_dialog.h"

namespace blazemere::platform {

std::optional<std::string> ChooseFileToOpen(const OpenFileRequest& /*request*/) { return std::nullopt; }

}  // namespace blazemere::platform
