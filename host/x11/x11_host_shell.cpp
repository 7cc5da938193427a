// The host on an X11 desktop: see x11_host_shell.h.
#include "host/x11/x11_host_shell.h"

#include <cstdio>

#include "common/names.h"
#include "host/x11/dialog/settings_dialog.h"
#include "host/x11/preview_window.h"
#include "host/x11/saver_loop.h"
#include "platform/fltk/fltk_display.h"
#include "platform/message_box/message_box.h"
#include "platform/window_lookup/x11/x11_window_lookup.h"

namespace blazemere::host {

namespace {

// Without a display there are no windows to find.
class NoWindows final : public platform::WindowLookup {
 public:
  [[nodiscard]] platform::WindowHandle FindWindowByTitle(std::string_view) override { return 0; }
};

std::unique_ptr<platform::WindowLookup> WindowLookupOn(platform::X11Connection* connection) {
  if (connection == nullptr) return std::make_unique<NoWindows>();
  return std::make_unique<platform::X11WindowLookup>(*connection);
}

}  // namespace

X11HostShell::X11HostShell()
    : connection_(platform::X11Connection::Open()),
      windows_(WindowLookupOn(connection_.get())),
      cursor_(connection_.get()) {}

X11HostShell::~X11HostShell() = default;

platform::MultimediaLayer* X11HostShell::Multimedia() {
  if (!multimedia_) multimedia_ = platform::CreateMultimediaLayer();
  return multimedia_.get();
}

bool X11HostShell::InstanceLockHeldElsewhere() {
  // One lock per X server: hosts on other displays never meet.
  if (!connection_) return false;
  lock_.emplace(platform::InstanceLockPath(platform::InstanceLockName(DisplayString(connection_->display()))));
  return lock_->state() == platform::InstanceLock::State::kHeldElsewhere;
}

void X11HostShell::ShowMessage(const std::string& caption, const std::string& text) {
  if (connection_) platform::ShareConnectionWithFltk(*connection_);
  platform::ShowMessageBox(caption, text, platform::MessageBoxIcon::kNone);
}

void X11HostShell::LogProblem(const std::string& text) {
  std::fprintf(stderr, "%s: %s\n", names::kHostFileName, text.c_str());
}

std::string X11HostShell::MusicLockPath() {
  if (!connection_) return {};
  return platform::InstanceLockPath(platform::MusicLockName(DisplayString(connection_->display())));
}

void X11HostShell::RunPreview(std::uint32_t parentHandle) {
  if (connection_) host::RunPreview(*connection_, parentHandle);
}

void X11HostShell::RunSettingsDialog(HostContext& context) {
  if (connection_) dialog::RunSettingsDialog(context, *connection_);
}

void X11HostShell::RunSaverWindow(SaverWindow& window) {
  if (connection_) RunSaverLoop(*connection_, cursor_, window);
}

}  // namespace blazemere::host
