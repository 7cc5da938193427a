// Shell open on Windows: see shell_open.h. ShellExecuteW with the "open"
// verb; the shell picks the handler (a browser for a web address).
#include "platform/shell_open/shell_open.h"

#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

#include "platform/win32/wide_text.h"

namespace blazemere::platform {

ProcessId OpenWithDefaultHandler(const std::string& address) {
  const std::optional<std::wstring> wide = WideFromUtf8(address);
  if (!wide || wide->empty()) return kNoProcess;
  // Some handlers are reached through COM; the shell asks for it on this
  // thread. A thread that already has COM keeps its own.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  const auto result = reinterpret_cast<INT_PTR>(
      ShellExecuteW(nullptr, L"open", wide->c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  if (SUCCEEDED(com)) CoUninitialize();
  // Above 32 is success; the handler is the shell's, none of ours to wait for.
  return result > 32 ? 0 : kNoProcess;
}

}  // namespace blazemere::platform
