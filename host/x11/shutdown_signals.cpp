// Shutdown signals: see shutdown_signals.h.
#include "host/x11/shutdown_signals.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace blazemere::host {

namespace {

// The pipe must be reachable from a signal handler, which takes no context;
// this is the one process-wide value the mechanism needs.
int g_pipe[2] = {-1, -1};

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

void OnSignal(int) {
  const int saved = errno;
  const char byte = 1;
  [[maybe_unused]] const ssize_t ignored = write(g_pipe[1], &byte, 1);
  errno = saved;
}

}  // namespace

ShutdownSignals::ShutdownSignals() {
  if (pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0) {
    g_pipe[0] = g_pipe[1] = -1;
    return;
  }
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int signal : kSignals) sigaction(signal, &action, nullptr);
}

ShutdownSignals::~ShutdownSignals() {
  for (const int signal : kSignals) std::signal(signal, SIG_DFL);
  for (int& end : g_pipe) {
    if (end >= 0) close(end);
    end = -1;
  }
}

int ShutdownSignals::fd() const { return g_pipe[0]; }

bool ShutdownSignals::Arrived() {
  bool arrived = false;
  char buffer[16];
  while (g_pipe[0] >= 0 && read(g_pipe[0], buffer, sizeof buffer) > 0) arrived = true;
  return arrived;
}

}  // namespace blazemere::host
