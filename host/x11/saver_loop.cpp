// The saver window's event loop on X11: see saver_loop.h.
#include "host/x11/saver_loop.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <optional>
#include <string>

#include "host/x11/shutdown_signals.h"
#include "platform/x11/x11_titled_window.h"

namespace blazemere::host {

namespace {

using Clock = SaverWindow::Clock;

// Xlib's lost-connection handler gets no context, and it must not return;
// this is how it reaches the run whose end it has to carry out.
struct ActiveRun {
  SaverWindow* window = nullptr;
  platform::X11Cursor* cursor = nullptr;
};
ActiveRun g_activeRun;

int OnXServerLost(Display*) {
  if (g_activeRun.window != nullptr) {
    g_activeRun.cursor->ForgetServer();  // the server has shown the pointer itself
    g_activeRun.window->QueryUnload();
  }
  _exit(0);
}

// The run the lost-connection handler reaches, and the handler itself, for
// the length of one loop.
class ServerLossEndsRun {
 public:
  ServerLossEndsRun(SaverWindow& window, platform::X11Cursor& cursor)
      : previous_(XSetIOErrorHandler(OnXServerLost)) {
    g_activeRun = {&window, &cursor};
  }
  ~ServerLossEndsRun() {
    g_activeRun = {};
    XSetIOErrorHandler(previous_);
  }
  ServerLossEndsRun(const ServerLossEndsRun&) = delete;
  ServerLossEndsRun& operator=(const ServerLossEndsRun&) = delete;

 private:
  XIOErrorHandler previous_;
};

// The hidden window, destroyed when the saver window unloads.
class HiddenWindow {
 public:
  HiddenWindow(platform::X11Connection& connection, const char* title)
      : display_(connection.display()), window_(platform::CreateHiddenTitledWindow(connection, title)) {}
  ~HiddenWindow() {
    if (window_ != 0) XDestroyWindow(display_, window_);
    XFlush(display_);
  }
  HiddenWindow(const HiddenWindow&) = delete;
  HiddenWindow& operator=(const HiddenWindow&) = delete;
  [[nodiscard]] Window id() const { return window_; }

 private:
  Display* display_;
  Window window_;
};

// Until an X event, a signal or the next due timer, whichever comes first.
void WaitForEvents(Display* display, int signalFd, const SaverWindow& window) {
  XFlush(display);
  if (XPending(display) > 0) return;
  int timeout = -1;
  if (const std::optional<Clock::time_point> next = window.NextDue()) {
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(*next - Clock::now()).count();
    timeout = static_cast<int>(std::clamp<long long>(wait, 0, 60000));
  }
  pollfd fds[2] = {{ConnectionNumber(display), POLLIN, 0}, {signalFd, POLLIN, 0}};
  if (poll(fds, signalFd >= 0 ? 2 : 1, timeout) < 0) {
    // Interrupted (a signal): the loop looks at everything again.
  }
}

// Handles what has arrived; true when the saver window has been destroyed.
bool HandleXEvents(Display* display, Window saverWindow) {
  bool destroyed = false;
  while (XPending(display) > 0) {
    XEvent event{};
    XNextEvent(display, &event);
    if (event.type == DestroyNotify && event.xdestroywindow.window == saverWindow) destroyed = true;
  }
  return destroyed;
}

}  // namespace

void RunSaverLoop(platform::X11Connection& connection, platform::X11Cursor& cursor, SaverWindow& window) {
  Display* display = connection.display();
  ShutdownSignals signals;
  const ServerLossEndsRun serverLoss(window, cursor);
  // XScreenSaver's display mode shows no window of its own.
  std::optional<HiddenWindow> saverWindow;
  if (!window.caption().empty()) saverWindow.emplace(connection, std::string(window.caption()).c_str());
  window.FormLoad(Clock::now());
  bool unloading = false;
  while (!unloading && !window.UnloadRequested()) {
    WaitForEvents(display, signals.fd(), window);
    if (signals.Arrived()) unloading = true;
    if (HandleXEvents(display, saverWindow ? saverWindow->id() : None)) unloading = true;
    if (!unloading) window.RunDueTimers(Clock::now());
  }
  window.QueryUnload();
}

}  // namespace blazemere::host
