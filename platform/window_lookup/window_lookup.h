// FindWindowA by title: the host's only way to learn whether another host or
// the renderer is running.
#pragma once

#include <string_view>

#include "platform/window_handle.h"

namespace blazemere::platform {

class WindowLookup {
 public:
  virtual ~WindowLookup() = default;

  // A window whose title equals `title` exactly, visible or not; 0 when
  // there is none.
  [[nodiscard]] virtual WindowHandle FindWindowByTitle(std::string_view title) = 0;
};

}  // namespace blazemere::platform
