// A window timer of the host's windows: a fixed interval, switched on and
// off by its owner, ticking from the one event loop.
#pragma once

#include <chrono>

namespace blazemere::host {

class WindowTimer {
 public:
  using Clock = std::chrono::steady_clock;

  explicit WindowTimer(std::chrono::milliseconds interval) : interval_(interval) {}

  void Enable(Clock::time_point now) {
    enabled_ = true;
    due_ = now + interval_;
  }
  void Disable() { enabled_ = false; }
  bool enabled() const { return enabled_; }
  std::chrono::milliseconds interval() const { return interval_; }
  Clock::time_point due() const { return due_; }

  // True when a tick is due; the next one is then one interval later (never
  // in a burst after a stall).
  bool TakeTick(Clock::time_point now) {
    if (!enabled_ || now < due_) return false;
    due_ += interval_;
    if (due_ <= now) due_ = now + interval_;
    return true;
  }

 private:
  std::chrono::milliseconds interval_;
  bool enabled_ = false;
  Clock::time_point due_{};
};

}  // namespace blazemere::host
