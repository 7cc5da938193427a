// ShowCursor on Windows: see win32_cursor.h.
// STUB: the count alone.
#include "platform/cursor/win32/win32_cursor.h"

namespace blazemere::platform {

int Win32Cursor::ShowCursor(bool show) { return count_.Apply(show); }

}  // namespace blazemere::platform
