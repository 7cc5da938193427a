// What the host's start-up needs from the desktop it runs on: the services
// Main calls and the windows it opens. The X11 shell (host/x11) implements
// it; a Windows shell implements it with the same Main.
#pragma once

#include <cstdint>
#include <string>

#include "platform/cursor/cursor.h"
#include "platform/mci/multimedia_layer.h"
#include "platform/window_lookup/window_lookup.h"

namespace blazemere::host {

struct HostContext;
class SaverWindow;

class HostShell {
 public:
  virtual ~HostShell() = default;

  // FindWindowA; finds nothing without a desktop.
  virtual platform::WindowLookup& Windows() = 0;
  // ShowCursor.
  virtual platform::Cursor& Cursor() = 0;
  // The music's multimedia layer, made on first use; null where there is none.
  virtual platform::MultimediaLayer* Multimedia() = 0;

  // The atomic half of the single-instance rule: takes the host's lock
  // (kept until the host ends); true when another host holds it already.
  [[nodiscard]] virtual bool InstanceLockHeldElsewhere() = 0;

  // MessageBoxA with only an OK button and no icon; returns once dismissed.
  virtual void ShowMessage(const std::string& caption, const std::string& text) = 0;

  // A problem of the display mode, which has no window where it could be
  // seen (XScreenSaver's covers the screen): written where the desktop
  // keeps programs' messages (XScreenSaver's log takes standard error).
  virtual void LogProblem(const std::string& text) = 0;

  // The display mode's music lock file: one per user and display, so that
  // of the savers XScreenSaver starts on the monitors of one display only
  // one plays the music. Empty where no lock can be had.
  [[nodiscard]] virtual std::string MusicLockPath() = 0;

  // The preview window Blazemere_R inside `parentHandle`; returns once the
  // preview has ended.
  virtual void RunPreview(std::uint32_t parentHandle) = 0;

  // The settings dialog Blazemere_P, modal, without an owner; returns once it
  // has closed.
  virtual void RunSettingsDialog(HostContext& context) = 0;

  // Loads the hidden saver window Blazemere_S (`window` is its logic), runs
  // the timers it enables and unloads it whatever ends the run; returns once
  // it has unloaded. Without a desktop there is no window to load: it
  // returns at once and nothing starts.
  virtual void RunSaverWindow(SaverWindow& window) = 0;
};

}  // namespace blazemere::host
