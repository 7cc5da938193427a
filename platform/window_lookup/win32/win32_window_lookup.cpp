// FindWindow on Windows: see win32_window_lookup.h.
#include "platform/window_lookup/win32/win32_window_lookup.h"

#include <windows.h>

#include <optional>
#include <string>

#include "platform/win32/wide_text.h"

namespace blazemere::platform {

WindowHandle Win32WindowLookup::FindWindowByTitle(std::string_view title) {
  // A title that is not UTF-8 names no window of ours.
  const std::optional<std::wstring> wide = WideFromUtf8(title);
  if (!wide) return 0;
  return reinterpret_cast<WindowHandle>(FindWindowW(nullptr, wide->c_str()));
}

}  // namespace blazemere::platform
