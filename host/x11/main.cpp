// Blazemere.scr: the screen-saver host. Started as Windows starts a screen
// saver: "/s" runs it, "/c" shows the settings, "/p <window id>" previews.
#include <string>
#include <vector>

#include "host/core/startup/command_line.h"
#include "host/core/startup/host_context.h"
#include "host/x11/start_up.h"
#include "platform/files/files.h"
#include "platform/paths/executable_folder.h"

int main(int argc, char** argv) {
  blazemere::platform::IgnoreFileSizeLimitSignal();
  blazemere::host::HostContext context;
  context.hostFolder = blazemere::platform::ExecutableFolder();
  context.commandLine = blazemere::host::JoinCommandLine(std::vector<std::string>(argv + 1, argv + argc));
  return blazemere::host::Main(context);
}
