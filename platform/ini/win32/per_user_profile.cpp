// The per-user settings copy on Windows: see profile_paths.h. A host copied
// into a folder only administrators write (C:\Windows\System32, where
// screen savers often go) keeps its settings in %APPDATA%\Blazemere.
#include <windows.h>

#include "common/path_text.h"
#include "platform/ini/profile_paths.h"
#include "platform/win32/wide_text.h"

namespace blazemere::platform {

std::string PerUserProfilePath(const std::string& file) {
  wchar_t appData[32768];
  const DWORD length = GetEnvironmentVariableW(L"APPDATA", appData, 32768);
  if (length == 0 || length >= 32768) return {};
  return Utf8FromWide(std::wstring_view(appData, length)) + "\\Blazemere\\" + NameOf(file, "\\/");
}

}  // namespace blazemere::platform
