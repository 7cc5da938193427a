// The host on a Windows desktop: the services and windows Main asks for,
// made of the Win32 backends.
#pragma once

#include <memory>
#include <optional>

#include "host/core/startup/host_shell.h"
#include "platform/cursor/win32/win32_cursor.h"
#include "platform/process/instance_lock.h"
#include "platform/window_lookup/win32/win32_window_lookup.h"

namespace blazemere::host {

class Win32HostShell final : public HostShell {
 public:
  Win32HostShell() = default;
  Win32HostShell(const Win32HostShell&) = delete;
  Win32HostShell& operator=(const Win32HostShell&) = delete;

  platform::WindowLookup& Windows() override { return windows_; }
  platform::Cursor& Cursor() override { return cursor_; }
  platform::MultimediaLayer* Multimedia() override;
  [[nodiscard]] bool InstanceLockHeldElsewhere() override;
  void ShowMessage(const std::string& caption, const std::string& text) override;
  void LogProblem(const std::string& text) override;
  [[nodiscard]] std::string MusicLockPath() override { return {}; }  // no display mode on Windows
  void RunPreview(std::uint32_t parentHandle) override;
  void RunSettingsDialog(HostContext& context) override;
  void RunSaverWindow(SaverWindow& window) override;

 private:
  platform::Win32WindowLookup windows_;
  platform::Win32Cursor cursor_;
  std::unique_ptr<platform::MultimediaLayer> multimedia_;
  std::optional<platform::InstanceLock> lock_;
};

}  // namespace blazemere::host
