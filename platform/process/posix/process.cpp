// Process start: see process_start.h.
#include "platform/process/process.h"

#include <cerrno>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace blazemere::platform {

pid_t StartProgram(const std::string& path, const std::vector<std::string>& arguments) {
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(path.c_str()));
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);

  pid_t pid = -1;
  if (posix_spawn(&pid, path.c_str(), nullptr, nullptr, argv.data(), environ) != 0) return -1;
  return pid;
}

bool HasProgramEnded(pid_t pid) {
  if (pid <= 0) return true;
  int status = 0;
  const pid_t result = waitpid(pid, &status, WNOHANG);
  if (result == pid) return true;
  return result < 0 && errno == ECHILD;
}

}  // namespace blazemere::platform
