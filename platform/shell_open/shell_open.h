// ShellExecute("open") on a Linux desktop: hands a file or web address to
// the desktop's default handler (xdg-open), started directly, never through
// a shell, so nothing in the address is ever interpreted as a command.
#pragma once

#include <string>
#include <sys/types.h>

namespace blazemere::platform {

// The first executable `name` in the colon-separated folder list `searchPath`
// (empty entries mean the current folder); empty when there is none.
std::string FindProgramOnPath(const std::string& name, const std::string& searchPath);

// Starts the default handler for `address` and does not wait for it. Returns
// the handler's pid, or -1 when no handler could be started.
pid_t OpenWithDefaultHandler(const std::string& address);

}  // namespace blazemere::platform
