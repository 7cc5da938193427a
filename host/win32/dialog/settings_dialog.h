// The settings dialog on Windows, from loading to closing: what the host's
// "/c" runs.
#pragma once

#include "host/core/startup/host_context.h"

namespace blazemere::dialog {

// Shows the dialog modally and returns once it has closed.
void RunSettingsDialog(host::HostContext& context);

}  // namespace blazemere::dialog
