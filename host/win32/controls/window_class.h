// The window classes of Blazemere.scr's own windows (the saver window, the
// preview, the settings dialog, the Command button), registered one way.
#pragma once

#include <windows.h>

namespace blazemere::host {

enum class ClassPointer { kNone, kArrow };

// Registers the class `name` of this program with `procedure`; true when it
// is registered, by this call or an earlier one. `pointer` is the pointer
// shown over its windows (kNone: the window sets its own).
[[nodiscard]] bool RegisterWindowClass(const wchar_t* name, WNDPROC procedure, ClassPointer pointer);

// From a window procedure: the object the window was made for (the last
// argument of CreateWindowExW), kept with the window from WM_NCCREATE on;
// null for the few messages that come before it.
template <typename Object>
[[nodiscard]] Object* WindowObject(HWND window, UINT message, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  return reinterpret_cast<Object*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

}  // namespace blazemere::host
