// PLACEHOLDER until the settings dialog is written: closes at once.
#include "host/dialog/settings_dialog.h"

namespace blazemere::dialog {

void RunSettingsDialog(host::HostContext&) {}

}  // namespace blazemere::dialog
