// Executable folder on Windows: see executable_folder.h. Windows names the
// folder with "\" and a drive letter ("C:\Windows"), the host joins its file
// names to it all the same.
#include "platform/paths/executable_folder.h"

#include <windows.h>

#include "platform/paths/native_path.h"
#include "platform/win32/wide_text.h"

namespace blazemere::platform {

std::string ExecutableFolder() {
  // Long paths (\\?\ names) exceed MAX_PATH: grow until the name fits.
  std::wstring name(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
    if (length == 0) return {};
    if (length < name.size()) {
      name.resize(length);
      break;
    }
    if (name.size() >= 32768) return {};
    name.resize(name.size() * 2);
  }
  return NativeFolderOf(Utf8FromWide(name));
}

}  // namespace blazemere::platform
