// Main: the host's start-up, run before any window exists. It refuses to run
// beside a running saver or an open settings dialog, reads the mode from the
// command line, prepares the palette folder and the settings, makes sure the
// renderer lies beside the host and opens the one window the mode asks for.
#pragma once

#include "host/core/startup/host_context.h"
#include "host/core/startup/host_shell.h"

namespace blazemere::host {

inline constexpr const char* kRendererMissingMessage = "Blazemere.dll が同じﾌｫﾙﾀﾞに見つかりません！";

// `context` holds the host folder and the command line; `shell` is the
// desktop the host runs on. Returns when the host is to end (its process
// status).
[[nodiscard]] int Main(HostContext& context, HostShell& shell);

}  // namespace blazemere::host
