// ShowCursor on Windows: see win32_cursor.h.
#include "platform/cursor/win32/win32_cursor.h"

#include <windows.h>

namespace blazemere::platform {

int Win32Cursor::ShowCursor(bool show) { return ::ShowCursor(show ? TRUE : FALSE); }

}  // namespace blazemere::platform
