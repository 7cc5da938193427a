// MessageBox on Windows: see message_box.h. The real MessageBoxW, owned by
// the window that has the keyboard focus (the renderer's full-screen window
// when its palette cannot be read), so it shows above that window.
#include "platform/message_box/message_box.h"

#include <windows.h>

#include <algorithm>

#include "platform/win32/wide_text.h"

namespace blazemere::platform {

namespace {

// Our texts are UTF-8; a damaged one is still shown, its bad bytes as U+FFFD.
std::wstring Shown(const std::string& text) {
  if (std::optional<std::wstring> wide = WideFromUtf8(text)) return *wide;
  const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(std::max(length, 0)), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return wide;
}

}  // namespace

void ShowMessageBox(const std::string& caption, const std::string& text, MessageBoxIcon icon) {
  const UINT style = MB_OK | MB_SETFOREGROUND | (icon == MessageBoxIcon::kError ? MB_ICONERROR : 0);
  MessageBoxW(GetFocus(), Shown(text).c_str(), Shown(caption).c_str(), style);
}

}  // namespace blazemere::platform
