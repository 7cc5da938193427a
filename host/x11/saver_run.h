// The saver window "Blazemere_Main" and its run: the load writes the colour
// ramp, starts the renderer and the music, three timers watch, and the run
// end (QueryUnload) stops the music and gives the pointer back, whatever
// unloads the window: the renderer's window going away, SIGTERM, SIGINT,
// SIGHUP, the saver window being destroyed or the X server going away.
#pragma once

#include <X11/Xlib.h>
#include <memory>
#include <optional>
#include <string>
#include <sys/types.h>

#include "host/core/music/blazemere_bgm.h"
#include "host/core/saver/renderer_watch.h"
#include "host/core/saver/window_timer.h"
#include "host/core/startup/host_context.h"
#include "platform/cursor/x11/x11_cursor.h"
#include "platform/mci/multimedia_layer.h"

namespace blazemere::host {

class SaverRun {
 public:
  SaverRun(HostContext& context, Display* display, platform::X11Cursor& cursor);
  ~SaverRun();
  SaverRun(const SaverRun&) = delete;
  SaverRun& operator=(const SaverRun&) = delete;

  // Loads the saver window and runs until it unloads; the run end has been
  // done when this returns and the host then ends. Without a display there
  // is no window to load: it returns at once and nothing starts.
  void Run();

 private:
  void FormLoad();
  void Timer1Tick();
  void Timer2Tick();
  void Timer3Tick();
  void QueryUnload();
  void WaitForEvents();
  void HandleXEvents();
  void RunDueTimers();
  static int OnXServerLost(Display* display);

  HostContext& context_;
  Display* display_;
  platform::X11Cursor& cursor_;
  std::unique_ptr<platform::MultimediaLayer> layer_;
  std::optional<music::BlazemereBgm> bgm_;
  Window window_ = 0;
  std::string rendererPath_;
  pid_t rendererPid_ = -1;
  WindowTimer timer1_{std::chrono::milliseconds(1000)};
  WindowTimer timer2_{std::chrono::milliseconds(200)};
  WindowTimer timer3_{std::chrono::milliseconds(500)};
  RendererWatch watch_{RendererWatch::Clock::now()};
  bool unloading_ = false;
  bool unloaded_ = false;
  int signalFd_ = -1;
};

}  // namespace blazemere::host
