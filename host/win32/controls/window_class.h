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

}  // namespace blazemere::host
