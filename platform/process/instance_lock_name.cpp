// The instance lock's name: see instance_lock.h.
#include "platform/process/instance_lock.h"

namespace blazemere::platform {

std::string InstanceLockName(std::string_view displayName) {
  // "host:display.screen": the screen does not matter.
  const std::size_t colon = displayName.rfind(':');
  if (colon != std::string_view::npos) {
    const std::size_t dot = displayName.find('.', colon);
    if (dot != std::string_view::npos) displayName = displayName.substr(0, dot);
  }
  std::string name = "Blazemere-";
  // No separator of either system may make the name a path.
  for (const char c : displayName) name += c == '/' || c == '\\' ? '_' : c;
  return name + ".lock";
}

}  // namespace blazemere::platform
