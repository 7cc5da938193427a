// A lock that at most one process of a user holds at a time: the atomic
// half of the host's single-instance rule (looking for a window by its
// title cannot tell two hosts started in the same moment apart). A file in
// the user's own folder, locked (flock on POSIX, opened without sharing on
// Windows), held for the life of the object and let go by the kernel
// however the process ends.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace blazemere::platform {

class InstanceLock {
 public:
  enum class State {
    kHeld,           // this process holds it
    kHeldElsewhere,  // another process does
    kUnavailable,    // no lock could be had at all (no private folder, no locking)
  };

  // Tries once and never waits. An empty path is unavailable.
  explicit InstanceLock(const std::string& path);
  ~InstanceLock();
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;

  [[nodiscard]] State state() const { return state_; }

 private:
  std::intptr_t file_ = -1;  // a descriptor or a HANDLE; -1 for none
  State state_ = State::kUnavailable;
};

// "Blazemere-<display>.lock": one name per X server, whichever screen and
// however the display is written (":0" and ":0.0" are one server); on
// Windows the display is the user's session.
[[nodiscard]] std::string InstanceLockName(std::string_view displayName);

// "Blazemere-<display>-music.lock": held by the one saver of XScreenSaver's
// display mode that plays the music while the others, one per monitor of
// the same server, only draw.
[[nodiscard]] std::string MusicLockName(std::string_view displayName);

// $XDG_RUNTIME_DIR/<name>, or, without one, <name> in /tmp/blazemere-<uid>,
// a folder only this user may enter (made if missing); on Windows <name> in
// the user's temporary folder. Empty when no such folder can be had.
[[nodiscard]] std::string InstanceLockPath(const std::string& name);

}  // namespace blazemere::platform
