// Blazemere.scr: the screen-saver host. Started as Windows starts a screen
// saver: "/s" runs it, "/c" shows the settings, "/p <window id>" previews.
#include <string>
#include <vector>

#include "host/core/startup/command_line.h"
#include "host/core/startup/host_context.h"
#include "host/core/startup/start_up.h"
#include "host/x11/x11_host_shell.h"
#include "platform/files/files.h"
#include "platform/paths/executable_folder.h"

int main(int argc, char** argv) {
  using namespace blazemere;
  platform::IgnoreFileSizeLimitSignal();
  host::HostContext context;
  context.hostFolder = platform::ExecutableFolder();
  context.commandLine = host::JoinCommandLine(std::vector<std::string>(argv + 1, argv + argc));
  host::X11HostShell shell;
  return host::Main(context, shell);
}
