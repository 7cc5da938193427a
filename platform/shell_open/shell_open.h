// ShellExecute("open"): hands a file or web address to the desktop's default
// handler (xdg-open on a Linux desktop, the shell's association on Windows),
// started directly, never through a command interpreter, so nothing in the
// address is ever interpreted as a command.
#pragma once

#include <string>

#include "platform/process/process.h"

namespace blazemere::platform {

// Starts the default handler for `address` and does not wait for it. Returns
// the handler's id (0 when the system handed the address on without a
// process of ours to wait for), or kNoProcess when no handler could be
// started.
[[nodiscard]] ProcessId OpenWithDefaultHandler(const std::string& address);

}  // namespace blazemere::platform
