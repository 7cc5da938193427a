// Renderer watch: see renderer_watch.h.
#include "host/core/saver/renderer_watch.h"

namespace blazemere::host {

bool RendererWatch::KeepRunning(bool windowFound, bool rendererEnded, Clock::time_point now) {
  if (windowFound) {
    windowSeen_ = true;
    return true;
  }
  if (windowSeen_ || rendererEnded) return false;
  return now - started_ < kStartGrace;
}

}  // namespace blazemere::host
