// The embedded fire's run: see embedded_fire.h.
#include "renderer/glx_embed/embedded_fire.h"

#include <GL/gl.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>

#include "renderer/effect/fire_gl_state.h"
#include "renderer/glut/frame_pacer.h"
#include "renderer/glx_embed/fire_child_window.h"

namespace blazemere::renderer {

namespace {

// A signal handler takes no context: the one flag it sets.
volatile std::sig_atomic_t g_stopRequested = 0;

void OnStopSignal(int) { g_stopRequested = 1; }

// SIGTERM (XScreenSaver, the host) and SIGINT end the loop after the frame
// under way, so the run ends the ordinary way.
class StopSignals {
 public:
  StopSignals() {
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    for (const int signal : kSignals) sigaction(signal, &action, nullptr);
  }
  ~StopSignals() {
    for (const int signal : kSignals) std::signal(signal, SIG_DFL);
  }
  StopSignals(const StopSignals&) = delete;
  StopSignals& operator=(const StopSignals&) = delete;
  [[nodiscard]] bool Requested() const { return g_stopRequested != 0; }

 private:
  static constexpr int kSignals[] = {SIGTERM, SIGINT};
};

// The window we draw on went with the server: nothing is left to do.
int OnServerLost(Display*) { _exit(0); }

}  // namespace

int RunEmbeddedFire(const EmbedTarget& target, FireEffect& fire) {
  if (target.kind == EmbedTarget::Kind::kInvalid || target.kind == EmbedTarget::Kind::kOwnWindow) {
    std::fprintf(stderr, "Blazemere.dll: %s\n", target.problem.c_str());
    return 2;
  }
  const std::unique_ptr<platform::X11Connection> connection = platform::X11Connection::Open();
  if (!connection) {
    std::fprintf(stderr, "Blazemere.dll: no X display\n");
    return 1;
  }
  XSetIOErrorHandler(OnServerLost);
  Display* display = connection->display();
  const Window parent = target.kind == EmbedTarget::Kind::kRootWindow ? DefaultRootWindow(display) : target.window;
  std::string problem;
  const std::unique_ptr<FireChildWindow> window = FireChildWindow::Create(*connection, parent, problem);
  if (!window) {
    std::fprintf(stderr, "Blazemere.dll: %s\n", problem.c_str());
    return 1;
  }

  InitGl();
  fire.Init();
  // Only now: while a palette problem waits in its box for the user, a
  // signal ends the process by its default action, as nothing here could
  // look at a flag.
  const StopSignals stop;
  FramePacer pacer;
  pacer.StartWithoutSwaps();  // a pixmap is never swapped
  while (!stop.Requested() && window->FollowParent()) {
    pacer.WaitForNextFrame();
    glViewport(0, 0, window->width(), window->height());
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    fire.Draw();
    window->Present();
  }
  return 0;
}

}  // namespace blazemere::renderer
