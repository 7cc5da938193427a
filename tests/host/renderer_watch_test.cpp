// The saver run's renderer watch, including the start grace that keeps a
// slowly starting renderer from ending the run at the first tick.
#include <gtest/gtest.h>

#include "host/core/saver/renderer_watch.h"

namespace blazemere::host {
namespace {

// Each tick: ms since the start, window found, renderer ended, and whether the run goes on.
void Replay(const char* name, std::initializer_list<std::tuple<int, bool, bool, bool>> ticks) {
  SCOPED_TRACE(name);
  RendererWatch watch(RendererWatch::Clock::time_point{});
  for (const auto& [atMs, windowFound, rendererEnded, keepRunning] : ticks) {
    const auto now = RendererWatch::Clock::time_point{} + std::chrono::milliseconds(atMs);
    EXPECT_EQ(watch.KeepRunning(windowFound, rendererEnded, now), keepRunning) << "tick at " << atMs << " ms";
  }
}

TEST(RendererWatch, Scenarios) {
  Replay("slow start, then Escape", {{500, false, false, true}, {1500, true, false, true}, {2000, false, false, false}});
  Replay("renderer failed before its window", {{500, false, false, true}, {1000, false, true, false}});
  Replay("renderer that never opens a window", {{9500, false, false, true}, {10000, false, false, false}});
}

}  // namespace
}  // namespace blazemere::host
