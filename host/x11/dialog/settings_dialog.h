// The settings dialog "<Blazemere>": shown modally by `Blazemere.scr /c`;
// returns once it has closed (saved, cancelled or closed by its close box).
#pragma once

#include "host/core/startup/host_context.h"

namespace blazemere::dialog {

void RunSettingsDialog(host::HostContext& context);

}  // namespace blazemere::dialog
