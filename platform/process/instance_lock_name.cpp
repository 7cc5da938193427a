// The lock files' names: see instance_lock.h.
#include "platform/process/instance_lock.h"

namespace blazemere::platform {

namespace {

// "Blazemere-<server><ending>", one name per X server.
std::string LockName(std::string_view displayName, std::string_view ending) {
  // "host:display.screen": the screen does not matter.
  const std::size_t colon = displayName.rfind(':');
  if (colon != std::string_view::npos) {
    const std::size_t dot = displayName.find('.', colon);
    if (dot != std::string_view::npos) displayName = displayName.substr(0, dot);
  }
  std::string name = "Blazemere-";
  // No separator of either system may make the name a path.
  for (const char c : displayName) name += c == '/' || c == '\\' ? '_' : c;
  return name.append(ending);
}

}  // namespace

std::string InstanceLockName(std::string_view displayName) { return LockName(displayName, ".lock"); }

std::string MusicLockName(std::string_view displayName) { return LockName(displayName, "-music.lock"); }

}  // namespace blazemere::platform
