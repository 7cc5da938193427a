// The host on a Windows desktop: see win32_host_shell.h.
#include "host/win32/win32_host_shell.h"

#include <windows.h>

#include <string>

#include "host/win32/dialog/settings_dialog.h"
#include "platform/message_box/message_box.h"

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

// STUB: no preview window yet.
void Win32HostShell::RunPreview(std::uint32_t /*parentHandle*/) {}

void Win32HostShell::RunSettingsDialog(HostContext& context) { dialog::RunSettingsDialog(context); }

// STUB: no saver window yet; nothing starts, as without a desktop.
void Win32HostShell::RunSaverWindow(SaverWindow& /*window*/) {}

}  // namespace blazemere::host
