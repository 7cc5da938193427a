// FindWindow on Windows: the top-level window with a given title.
// STUB: finds no window yet (the host's Win32 services come next).
#pragma once

#include "platform/window_lookup/window_lookup.h"

namespace blazemere::platform {

class Win32WindowLookup final : public WindowLookup {
 public:
  [[nodiscard]] WindowHandle FindWindowByTitle(std::string_view title) override;
};

}  // namespace blazemere::platform
