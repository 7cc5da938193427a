// FindWindow on Windows: the top-level window with a given title, of any
// class, visible or hidden. Windows compares titles without regard to case.
#pragma once

#include "platform/window_lookup/window_lookup.h"

namespace blazemere::platform {

class Win32WindowLookup final : public WindowLookup {
 public:
  [[nodiscard]] WindowHandle FindWindowByTitle(std::string_view title) override;
};

}  // namespace blazemere::platform
