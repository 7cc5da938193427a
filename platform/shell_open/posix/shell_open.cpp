// Shell open through xdg-open: see shell_open.h.
#include "platform/shell_open/shell_open.h"

#include <cstdlib>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/process/process.h"
#include "platform/shell_open/posix/program_search.h"

namespace blazemere::platform {
namespace {

bool IsExecutableFile(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && access(path.c_str(), X_OK) == 0;
}

}  // namespace

std::string FindProgramOnPath(const std::string& name, const std::string& searchPath) {
  std::string_view rest = searchPath;
  for (;;) {
    const std::size_t end = rest.find(':');
    const std::string_view folder = rest.substr(0, end);
    std::string candidate(folder.empty() ? std::string_view(".") : folder);
    candidate.append("/").append(name);
    if (IsExecutableFile(candidate)) return candidate;
    if (end == std::string_view::npos) return {};
    rest.remove_prefix(end + 1);
  }
}

ProcessId OpenWithDefaultHandler(const std::string& address) {
  const char* searchPath = std::getenv("PATH");
  const std::string handler = FindProgramOnPath("xdg-open", searchPath != nullptr ? searchPath : "/usr/bin:/bin");
  if (handler.empty()) return kNoProcess;
  return StartProgram(handler, {address});
}

}  // namespace blazemere::platform
