// Instance lock on Windows: see instance_lock.h. A file opened without any
// sharing: a second open fails with a sharing violation while the first is
// held, the system closes it however the process ends, and it deletes itself
// when closed.
#include "platform/process/instance_lock.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

namespace blazemere::platform {

InstanceLock::InstanceLock(const std::string& path) {
  const std::optional<std::wstring> wide = WideFromUtf8(path);
  if (!wide || wide->empty()) return;
  const HANDLE file = CreateFileW(wide->c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                                  FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  if (file != INVALID_HANDLE_VALUE) {
    file_ = reinterpret_cast<std::intptr_t>(file);
    state_ = State::kHeld;
  } else if (const DWORD error = GetLastError(); error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED) {
    // A file pending deletion (its holder is closing it) refuses with
    // ERROR_ACCESS_DENIED: still held, for a moment.
    state_ = State::kHeldElsewhere;
  }
}

InstanceLock::~InstanceLock() {
  if (state_ == State::kHeld) CloseHandle(reinterpret_cast<HANDLE>(file_));
}

std::string InstanceLockPath(const std::string& name) {
  // The user's own temporary folder (%TEMP%, under the profile).
  wchar_t folder[MAX_PATH + 1];
  const DWORD length = GetTempPathW(MAX_PATH + 1, folder);
  if (length == 0 || length > MAX_PATH) return {};
  return Utf8FromWide(std::wstring_view(folder, length)) + name;
}

}  // namespace blazemere::platform
