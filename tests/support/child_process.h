// Programs started by a test the way a user starts them, with a deadline on
// every wait so that a hanging program fails the test instead of the run.
#pragma once

#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace blazemere::testing {

// Folder of the built programs (BLAZEMERE_BIN_DIR, else the test's own folder).
std::string BinDir();

class ChildProcess {
 public:
  // Starts `path` with `arguments`; `extraEnvironment` entries are added to (or
  // replace in) this process's environment. Standard output and error are
  // kept in files readable through Output() once the child has ended.
  ChildProcess(const std::string& path, const std::vector<std::string>& arguments,
               const std::map<std::string, std::string>& extraEnvironment = {});
  ~ChildProcess();  // kills a child that is still running
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  pid_t pid() const { return pid_; }
  bool started() const { return pid_ > 0; }

  // Exit status once the child has ended within `timeout`; nullopt if it is
  // still running then (or was killed by a signal: see TerminatedBySignal).
  std::optional<int> WaitForExit(std::chrono::milliseconds timeout);
  bool IsRunning();
  bool TerminatedBySignal() const { return signalled_; }
  void Kill();
  std::string StandardError() const;
  std::string StandardOutput() const;

 private:
  bool Reap(bool block);

  pid_t pid_ = -1;
  bool ended_ = false;
  bool signalled_ = false;
  int status_ = -1;
  std::string outPath_;
  std::string errPath_;
};

// Runs a command to its end (xdotool, import, ...); returns its exit status,
// -1 if it could not be started or outran `timeout`.
int RunCommand(const std::vector<std::string>& command,
               std::chrono::milliseconds timeout = std::chrono::seconds(20));

// A fresh, empty folder under the test's temporary folder, removed by the OS's
// usual clean-up of the build tree; never /tmp itself.
std::string MakeScratchFolder(const std::string& name);

}  // namespace blazemere::testing
