// ShellExecute("open"): hands a file or web address to the desktop's default
// handler (xdg-open on a Linux desktop), started directly, never through a
// shell, so nothing in the address is ever interpreted as a command.
#pragma once

#include <string>

#include "platform/process/process.h"

namespace blazemere::platform {

// The first executable `name` in the colon-separated folder list `searchPath`
// (empty entries mean the current folder); empty when there is none.
[[nodiscard]] std::string FindProgramOnPath(const std::string& name, const std::string& searchPath);

// Starts the default handler for `address` and does not wait for it. Returns
// the handler's id, or kNoProcess when no handler could be started.
[[nodiscard]] ProcessId OpenWithDefaultHandler(const std::string& address);

}  // namespace blazemere::platform
