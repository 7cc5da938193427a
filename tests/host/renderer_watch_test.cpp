// The saver run's renderer watch, including the start grace that keeps a
// slowly starting renderer from ending the run at the first tick.
#include <gtest/gtest.h>

#include "host/renderer_watch.h"

namespace blazemere::host {
namespace {

using std::chrono::milliseconds;

struct Tick {
  int atMs;
  bool windowFound;
  bool rendererEnded;
  bool keepRunning;
};

void Replay(const char* name, std::initializer_list<Tick> ticks) {
  SCOPED_TRACE(name);
  const RendererWatch::Clock::time_point start{};
  RendererWatch watch(start);
  for (const Tick& tick : ticks) {
    EXPECT_EQ(watch.KeepRunning(tick.windowFound, tick.rendererEnded, start + milliseconds(tick.atMs)),
              tick.keepRunning)
        << "tick at " << tick.atMs << " ms";
  }
}

TEST(RendererWatch, Scenarios) {
  Replay("window from the first tick, then Escape", {{500, true, false, true}, {1000, false, false, false}});
  Replay("slow start keeps the run", {{500, false, false, true}, {1000, false, false, true}, {1500, true, false, true},
                                      {2000, false, true, false}});
  Replay("renderer failed before its window", {{500, false, false, true}, {1000, false, true, false}});
  Replay("renderer that never opens a window", {{9500, false, false, true}, {10000, false, false, false}});
}

}  // namespace
}  // namespace blazemere::host
