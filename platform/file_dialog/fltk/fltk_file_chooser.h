// Our own file-open chooser, drawn with FLTK: the one used where the
// desktop's chooser is not to be had. It does all ChooseFileToOpen promises.
#pragma once

#include <optional>
#include <string>

#include "platform/file_dialog/file_dialog.h"

namespace blazemere::platform {

[[nodiscard]] std::optional<std::string> ChooseFileWithFltk(const OpenFileRequest& request);

}  // namespace blazemere::platform
