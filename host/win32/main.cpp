// Blazemere.scr: the screen-saver host, as Windows starts a screen saver:
// "/s" runs it, "/c" shows the settings, "/p <HWND>" previews.
#include <windows.h>

#include "host/core/startup/host_context.h"
#include "host/core/startup/start_up.h"
#include "host/win32/command_text.h"
#include "host/win32/win32_host_shell.h"
#include "platform/paths/executable_folder.h"

int WINAPI WinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, LPSTR /*commandLine*/, int /*show*/) {
  using namespace blazemere;
  host::HostContext context;
  context.hostFolder = platform::ExecutableFolder();
  context.commandLine = host::ProcessArgumentsText();
  host::Win32HostShell shell;
  return host::Main(context, shell);
}
