// Child processes for tests: see child_process.h.
#include "tests/support/child_process.h"

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "platform/files/files.h"

extern char** environ;

namespace blazemere::testing {

namespace {

// This process's environment with `extra` added or replacing.
std::vector<std::string> MergedEnvironment(const std::map<std::string, std::string>& extra) {
  std::vector<std::string> lines;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const std::string line(*entry);
    if (!extra.contains(line.substr(0, line.find('=')))) lines.push_back(line);
  }
  for (const auto& [key, value] : extra) lines.push_back(key + "=" + value);
  return lines;
}

std::vector<char*> PointersTo(std::vector<std::string>& strings) {
  std::vector<char*> pointers;
  for (std::string& s : strings) pointers.push_back(s.data());
  pointers.push_back(nullptr);
  return pointers;
}

}  // namespace

std::string BinDir() {
  if (const char* dir = std::getenv("BLAZEMERE_BIN_DIR"); dir != nullptr && dir[0] != '\0') return dir;
  return std::filesystem::canonical("/proc/self/exe").parent_path().string();
}

// Beside the built programs rather than in the working folder: the
// measuring scripts start test programs from the repository's root.
std::string MakeScratchFolder(const std::string& name) {
  const char* base = std::getenv("TEST_TMPDIR");
  std::filesystem::path root = base != nullptr ? base : (std::filesystem::path(BinDir()) / ".." / "test-scratch");
  std::filesystem::path folder = root / (name + "-" + std::to_string(getpid()));
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  return std::filesystem::canonical(folder).string();
}

ChildProcess::ChildProcess(const std::string& path, const std::vector<std::string>& arguments,
                           const std::map<std::string, std::string>& extraEnvironment) {
  // One folder per test process, made once: remaking it for every child
  // would delete the output of children that are still running.
  static int counter = 0;
  static const std::string folder = MakeScratchFolder("child-output");
  const std::string stem = folder + "/" + std::to_string(++counter);
  outPath_ = stem + ".out";
  errPath_ = stem + ".err";

  std::vector<std::string> argvStrings{path};
  argvStrings.insert(argvStrings.end(), arguments.begin(), arguments.end());
  std::vector<std::string> envStrings = MergedEnvironment(extraEnvironment);
  std::vector<char*> argv = PointersTo(argvStrings);
  std::vector<char*> envp = PointersTo(envStrings);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outPath_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errPath_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (posix_spawnp(&pid_, path.c_str(), &actions, nullptr, argv.data(), envp.data()) != 0) pid_ = -1;
  posix_spawn_file_actions_destroy(&actions);
}

ChildProcess::~ChildProcess() {
  if (started() && !ended_) Kill();
}

bool ChildProcess::Reap(bool block) {
  if (!started() || ended_) return ended_;
  int status = 0;
  const pid_t result = waitpid(pid_, &status, block ? 0 : WNOHANG);
  if (result != pid_) return false;
  ended_ = true;
  if (WIFEXITED(status)) status_ = WEXITSTATUS(status);
  signalled_ = WIFSIGNALED(status);
  return true;
}

std::optional<int> ChildProcess::WaitForExit(std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!Reap(false)) {
    if (std::chrono::steady_clock::now() >= deadline) return std::nullopt;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  if (signalled_) return std::nullopt;
  return status_;
}

bool ChildProcess::IsRunning() { return started() && !Reap(false); }

void ChildProcess::Kill() {
  if (!started() || ended_) return;
  kill(pid_, SIGKILL);
  Reap(true);
}

std::string ChildProcess::StandardError() const { return platform::ReadWholeFile(errPath_).value_or(""); }
std::string ChildProcess::StandardOutput() const { return platform::ReadWholeFile(outPath_).value_or(""); }

int RunCommand(const std::vector<std::string>& command, std::chrono::milliseconds timeout) {
  ChildProcess child(command.front(), std::vector<std::string>(command.begin() + 1, command.end()));
  if (!child.started()) return -1;
  const auto status = child.WaitForExit(timeout);
  return status.value_or(-1);
}

}  // namespace blazemere::testing
