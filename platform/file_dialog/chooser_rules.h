// What every file chooser behind ChooseFileToOpen does alike: where it
// opens, and the refusal of a path longer than its caller can take.
#pragma once

#include <string>

#include "platform/file_dialog/file_dialog.h"

namespace blazemere::platform {

[[nodiscard]] bool IsFolder(const std::string& path);

// The folder the chooser opens in: the one asked for when it is a folder,
// else the current folder, as the Windows chooser does.
[[nodiscard]] std::string StartFolder(const OpenFileRequest& request);

// True when `path` fits the caller's limit; otherwise the user is told in a
// message box above the chooser (which stays open for another choice) and
// the answer is false.
[[nodiscard]] bool PathFitsOrSaySo(const OpenFileRequest& request, const std::string& path);

}  // namespace blazemere::platform
