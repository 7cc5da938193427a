// Process start: see process.h.
#include "platform/process/process.h"

#include <cerrno>
#include <csignal>
#include <spawn.h>
#include <sys/types.h>
#include <sys/wait.h>

#include <thread>

extern char** environ;

namespace blazemere::platform {

ProcessId StartProgram(const std::string& path, const std::vector<std::string>& arguments) {
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(path.c_str()));
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);

  pid_t pid = -1;
  if (posix_spawn(&pid, path.c_str(), nullptr, nullptr, argv.data(), environ) != 0) return kNoProcess;
  return pid;
}

bool HasProgramEnded(ProcessId process) {
  if (process <= 0) return true;
  const auto pid = static_cast<pid_t>(process);
  int status = 0;
  const pid_t result = waitpid(pid, &status, WNOHANG);
  if (result == pid) return true;
  return result < 0 && errno == ECHILD;
}

void StopProgram(ProcessId process, std::chrono::milliseconds grace) {
  // One already seen ending is collected: its id may be another's by now.
  if (process <= 0 || HasProgramEnded(process)) return;
  const auto pid = static_cast<pid_t>(process);
  if (kill(pid, SIGTERM) != 0) {
    (void)HasProgramEnded(process);  // gone already: only its status is left to collect
    return;
  }
  const auto deadline = std::chrono::steady_clock::now() + grace;
  while (!HasProgramEnded(process)) {
    if (std::chrono::steady_clock::now() >= deadline) {
      kill(pid, SIGKILL);
      waitpid(pid, nullptr, 0);
      return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
}

}  // namespace blazemere::platform
