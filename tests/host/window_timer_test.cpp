// The saver window's timers: one tick per interval, and after a stall a
// single tick, never a burst to catch up.
#include <gtest/gtest.h>

#include "host/core/saver/window_timer.h"

namespace blazemere::host {
namespace {

using std::chrono::milliseconds;

TEST(WindowTimer, TicksOncePerIntervalWithoutBursts) {
  const WindowTimer::Clock::time_point start{};
  WindowTimer timer(milliseconds(500));
  EXPECT_FALSE(timer.TakeTick(start + milliseconds(600))) << "a timer that is off never ticks";
  timer.Enable(start);
  // ms since the start, whether it ticks, when the next tick is due
  const std::tuple<int, bool, int> steps[] = {
      {499, false, 500},   {500, true, 1000},   {999, false, 1000}, {1020, true, 1500},  // late, keeps its pace
      {4200, true, 4700},  // a stall of seven intervals: one tick, then a fresh pace from now
      {4300, false, 4700}, {4700, true, 5200},
  };
  for (const auto& [at, ticks, due] : steps) {
    EXPECT_EQ(timer.TakeTick(start + milliseconds(at)), ticks) << "at " << at << " ms";
    EXPECT_EQ(timer.due(), start + milliseconds(due)) << "at " << at << " ms";
  }
  timer.Disable();
  EXPECT_FALSE(timer.TakeTick(start + milliseconds(9000))) << "switched off";
  timer.Enable(start + milliseconds(9000));
  EXPECT_FALSE(timer.TakeTick(start + milliseconds(9400))) << "switched on again: a whole interval first";
  EXPECT_TRUE(timer.TakeTick(start + milliseconds(9500)));
}

}  // namespace
}  // namespace blazemere::host
