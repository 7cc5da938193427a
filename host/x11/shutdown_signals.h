// SIGTERM, SIGINT and SIGHUP turned into a readable file descriptor (the
// self-pipe), so that the event loop ends the saver run the ordinary way
// instead of the process dying in the middle of something.
#pragma once

namespace blazemere::host {

class ShutdownSignals {
 public:
  ShutdownSignals();  // installs the handlers
  ~ShutdownSignals();  // restores the default actions
  ShutdownSignals(const ShutdownSignals&) = delete;
  ShutdownSignals& operator=(const ShutdownSignals&) = delete;

  int fd() const;  // readable once a signal has arrived; -1 if unavailable
  bool Arrived();  // drains the pipe; true if a signal came
};

}  // namespace blazemere::host
