// The settings dialog "<Blazemere>": shown modally by `Blazemere.scr /c`;
// returns once it has closed (saved, cancelled or closed by its close box).
#pragma once

#include "host/core/startup/host_context.h"
#include "platform/x11/x11_connection.h"

namespace blazemere::dialog {

void RunSettingsDialog(host::HostContext& context, platform::X11Connection& connection);

}  // namespace blazemere::dialog
