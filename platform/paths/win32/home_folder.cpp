// Home folder on Windows: see home_folder.h. The user's profile folder.
#include "platform/paths/home_folder.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

namespace blazemere::platform {

std::string HomeFolder() {
  wchar_t profile[32768];
  const DWORD length = GetEnvironmentVariableW(L"USERPROFILE", profile, 32768);
  if (length == 0 || length >= 32768) return {};
  const std::string home = Utf8FromWide(std::wstring_view(profile, length));
  // Absolute only: a drive and its root, or a network share.
  const bool absolute = (home.size() >= 3 && home[1] == ':' && (home[2] == '\\' || home[2] == '/')) ||
                        home.starts_with("\\\\");
  return absolute ? home : std::string();
}

}  // namespace blazemere::platform
