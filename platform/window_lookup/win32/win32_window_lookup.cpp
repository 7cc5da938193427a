// FindWindow on Windows: see win32_window_lookup.h.
// STUB: finds nothing, as the lookup does without a desktop.
#include "platform/window_lookup/win32/win32_window_lookup.h"

namespace blazemere::platform {

WindowHandle Win32WindowLookup::FindWindowByTitle(std::string_view /*title*/) { return 0; }

}  // namespace blazemere::platform
