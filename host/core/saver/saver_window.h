// The saver window Blazemere_S without a window system: its load writes the
// colour ramp, starts the renderer and the music; three timers watch (the
// MP3 repeat, the CD watch, the renderer watch); its unload stops the music
// and gives the pointer back. A shell owns the real, hidden window titled
// "Blazemere_Main", runs the timers this object enables and calls
// QueryUnload whatever ends the run: the renderer's window going away, a
// shutdown signal, the window being destroyed or the desktop going away.
//
// In XScreenSaver's display mode the same run draws onto XScreenSaver's
// window instead, once per monitor: see DisplayMode.
#pragma once

#include <array>
#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/core/music/blazemere_bgm.h"
#include "host/core/saver/renderer_watch.h"
#include "host/core/saver/window_timer.h"
#include "host/core/startup/host_context.h"
#include "platform/cursor/cursor.h"
#include "platform/mci/multimedia_layer.h"
#include "platform/process/instance_lock.h"
#include "platform/process/process.h"
#include "platform/window_lookup/window_lookup.h"

namespace blazemere::host {

class SaverWindow {
 public:
  using Clock = WindowTimer::Clock;

  enum class Timer {
    kMp3Repeat,      // Timer1, 1000 ms: plays an MP3 that has ended again
    kCdWatch,        // Timer2, 200 ms: keeps the CD playing
    kRendererWatch,  // Timer3, 500 ms: ends the run once the renderer has gone
  };
  static constexpr std::array<Timer, 3> kTimers = {Timer::kMp3Repeat, Timer::kCdWatch, Timer::kRendererWatch};

  // What the window works through; `multimedia` may be null (no music).
  struct Services {
    platform::WindowLookup& windows;
    platform::Cursor& cursor;
    platform::MultimediaLayer* multimedia;
  };

  // XScreenSaver's display mode. XScreenSaver starts one saver per monitor,
  // all in the same moment, and ends each with a signal, never waiting: so
  // the renderer is started on the window it gave (`rendererArguments`), the
  // run shows no window of its own, ends when its own renderer process ends
  // (a window title cannot tell the monitors' renderers apart) and stops
  // that renderer at its end. Only the saver holding the music lock plays
  // the music; one that finds the lock held tries again at every renderer
  // watch, and takes over once the holder has ended. Without `Services`'s
  // multimedia (a preview) no lock is ever taken.
  struct DisplayMode {
    std::vector<std::string> rendererArguments;
    std::string musicLockPath;  // empty where no lock can be had: the music plays
  };

  SaverWindow(HostContext& context, Services services, std::optional<DisplayMode> displayMode = std::nullopt);
  SaverWindow(const SaverWindow&) = delete;
  SaverWindow& operator=(const SaverWindow&) = delete;

  // Form_Load, once the shell has made the window.
  void FormLoad(Clock::time_point now);

  // A timer's tick. A shell that runs timers itself (SetTimer) calls this
  // for each tick of an enabled timer; a shell that polls calls RunDueTimers.
  void Tick(Timer timer, Clock::time_point now);
  // Every enabled timer that is due ticks once, in the order of kTimers,
  // none after the run has asked to end.
  void RunDueTimers(Clock::time_point now);
  // When the next enabled timer is due; nothing while none is enabled.
  [[nodiscard]] std::optional<Clock::time_point> NextDue() const;
  [[nodiscard]] const WindowTimer& timer(Timer which) const { return timers_[Index(which)]; }

  // True once the renderer watch has ended the run.
  [[nodiscard]] bool UnloadRequested() const { return unloadRequested_; }

  // Form_QueryUnload: stops the music, gives the pointer back (in the
  // display mode: lets the music lock go and stops the renderer). Runs
  // once; later calls do nothing.
  void QueryUnload();

  // The hidden window's title, which a second host looks for; empty in the
  // display mode, which shows no window: its savers, one per monitor, must
  // not take each other for a running saver.
  [[nodiscard]] std::string_view caption() const;

  // How long the display mode's unload waits for its renderer to end after
  // asking it to; XScreenSaver never waits for us.
  static constexpr std::chrono::milliseconds kRendererStopGrace{250};

 private:
  static std::size_t Index(Timer which) { return static_cast<std::size_t>(which); }
  void StartMusic(Clock::time_point now);
  void StopMusic();
  // The display mode's turn to play the music; true once this saver holds
  // the lock (or none can be had).
  bool TakeMusicTurn();

  HostContext& context_;
  Services services_;
  std::optional<DisplayMode> displayMode_;
  std::optional<platform::InstanceLock> musicLock_;
  bool musicStarted_ = false;
  std::optional<music::BlazemereBgm> bgm_;
  platform::ProcessId rendererPid_ = platform::kNoProcess;
  std::array<WindowTimer, 3> timers_ = {WindowTimer(std::chrono::milliseconds(1000)),
                                        WindowTimer(std::chrono::milliseconds(200)),
                                        WindowTimer(std::chrono::milliseconds(500))};
  RendererWatch watch_{Clock::now()};
  bool unloadRequested_ = false;
  bool unloaded_ = false;
};

}  // namespace blazemere::host
