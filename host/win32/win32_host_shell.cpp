// The host on a Windows desktop: see win32_host_shell.h.
#include "host/win32/win32_host_shell.h"

#include <windows.h>

#include <optional>
#include <string>

#include "common/names.h"
#include "host/win32/dialog/settings_dialog.h"
#include "host/win32/preview_window.h"
#include "host/win32/saver_loop.h"
#include "platform/message_box/message_box.h"
#include "platform/win32/wide_text.h"

namespace blazemere::host {

platform::MultimediaLayer* Win32HostShell::Multimedia() {
  if (!multimedia_) multimedia_ = platform::CreateMultimediaLayer();
  return multimedia_.get();
}

bool Win32HostShell::InstanceLockHeldElsewhere() {
  // One lock per user and session: the user's own temporary folder holds
  // it, and the session's number names it.
  DWORD session = 0;
  if (!ProcessIdToSessionId(GetCurrentProcessId(), &session)) session = 0;
  lock_.emplace(platform::InstanceLockPath(platform::InstanceLockName("session" + std::to_string(session))));
  return lock_->state() == platform::InstanceLock::State::kHeldElsewhere;
}

void Win32HostShell::ShowMessage(const std::string& caption, const std::string& text) {
  platform::ShowMessageBox(caption, text, platform::MessageBoxIcon::kNone);
}

// Where a debugger or DebugView sees it; a GUI program has no console.
void Win32HostShell::LogProblem(const std::string& text) {
  const std::string line = std::string(names::kHostFileName) + ": " + text + "\n";
  if (const std::optional<std::wstring> wide = platform::WideFromUtf8(line)) OutputDebugStringW(wide->c_str());
}

void Win32HostShell::RunPreview(std::uint32_t parentHandle) { host::RunPreview(parentHandle); }

void Win32HostShell::RunSettingsDialog(HostContext& context) { dialog::RunSettingsDialog(context); }

void Win32HostShell::RunSaverWindow(SaverWindow& window) { RunSaverLoop(window); }

}  // namespace blazemere::host
