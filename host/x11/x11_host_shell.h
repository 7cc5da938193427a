// The host on an X11 desktop: the one X connection (or none, when there is
// no display), and the services and windows Main asks for, made on it.
#pragma once

#include <memory>
#include <optional>

#include "host/core/startup/host_shell.h"
#include "platform/cursor/x11/x11_cursor.h"
#include "platform/process/instance_lock.h"
#include "platform/x11/x11_connection.h"

namespace blazemere::host {

class X11HostShell final : public HostShell {
 public:
  // Opens $DISPLAY; without one every window of the host is left out.
  X11HostShell();
  ~X11HostShell() override;
  X11HostShell(const X11HostShell&) = delete;
  X11HostShell& operator=(const X11HostShell&) = delete;

  platform::WindowLookup& Windows() override { return *windows_; }
  platform::Cursor& Cursor() override { return cursor_; }
  platform::MultimediaLayer* Multimedia() override;
  [[nodiscard]] bool InstanceLockHeldElsewhere() override;
  void ShowMessage(const std::string& caption, const std::string& text) override;
  void LogProblem(const std::string& text) override;
  [[nodiscard]] std::string MusicLockPath() override;
  void RunPreview(std::uint32_t parentHandle) override;
  void RunSettingsDialog(HostContext& context) override;
  void RunSaverWindow(SaverWindow& window) override;

 private:
  // Declared first, so that everything made on it is gone before it closes.
  std::unique_ptr<platform::X11Connection> connection_;
  std::unique_ptr<platform::WindowLookup> windows_;
  platform::X11Cursor cursor_;
  std::unique_ptr<platform::MultimediaLayer> multimedia_;
  std::optional<platform::InstanceLock> lock_;
};

}  // namespace blazemere::host
