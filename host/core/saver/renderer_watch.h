// The saver run's watch on the renderer (Timer3): the run goes on while the
// renderer's window "Blazemere_VC" exists. A renderer that has not opened its
// window yet is given time: the run counts as starting until the window has
// been seen once, the renderer process has ended, or the start grace is over.
#pragma once

#include <chrono>

namespace blazemere::host {

class RendererWatch {
 public:
  using Clock = std::chrono::steady_clock;
  static constexpr std::chrono::seconds kStartGrace{10};

  explicit RendererWatch(Clock::time_point started) : started_(started) {}

  // One tick: false once the run should end.
  bool KeepRunning(bool windowFound, bool rendererEnded, Clock::time_point now);

 private:
  Clock::time_point started_;
  bool windowSeen_ = false;
};

}  // namespace blazemere::host
