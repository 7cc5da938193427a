// Program arguments on Windows: see program_arguments.h. The C runtime's
// rules for splitting a command line are CommandLineToArgvW's.
#include "platform/process/program_arguments.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/win32/wide_text.h"

namespace blazemere::platform {

std::vector<std::string> ProgramArguments(int argc, char** argv) {
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (wide == nullptr) {
    // Out of memory: the ANSI arguments are better than none.
    return argc > 1 ? std::vector<std::string>(argv + 1, argv + argc) : std::vector<std::string>();
  }
  std::vector<std::string> arguments;
  for (int i = 1; i < count; ++i) arguments.push_back(Utf8FromWide(wide[i]));
  LocalFree(wide);
  return arguments;
}

}  // namespace blazemere::platform
