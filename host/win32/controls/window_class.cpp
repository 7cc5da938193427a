// Window class registration: see window_class.h.
#include "host/win32/controls/window_class.h"

namespace blazemere::host {

bool RegisterWindowClass(const wchar_t* name, WNDPROC procedure, ClassPointer pointer) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = pointer == ClassPointer::kArrow ? LoadCursorW(nullptr, IDC_ARROW) : nullptr;
  windowClass.lpszClassName = name;
  return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace blazemere::host
