// The display lock behind the host's single-instance rule.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

#include "platform/process/instance_lock.h"
#include "tests/support/unit_scratch_folder.h"

namespace blazemere::platform {
namespace {

TEST(InstanceLock, OneLockPerServer) {
  const std::tuple<const char*, const char*, bool> rows[] = {
      {":0", ":0.0", true},          {"host:1.2", "host:1", true}, {":0", ":1", false},
      {":10", ":1.0", false},        {"host:1", ":1", false},
  };
  for (const auto& [a, b, same] : rows) {
    EXPECT_EQ(InstanceLockName(a) == InstanceLockName(b), same) << a << " / " << b;
  }
  EXPECT_EQ(InstanceLockName("/tmp/launch-x/org.xquartz:0").find('/'), std::string::npos);
  // The display mode's music lock is per server too, and never the instance lock.
  EXPECT_EQ(MusicLockName(":0"), MusicLockName(":0.1"));
  EXPECT_NE(MusicLockName(":0"), MusicLockName(":1"));
  EXPECT_NE(MusicLockName(":0"), InstanceLockName(":0"));
}

TEST(InstanceLock, HeldByOneAtATime) {
  const std::string folder = testing::ScratchFolder("instance-lock");
  setenv("XDG_RUNTIME_DIR", folder.c_str(), 1);
  const std::string path = InstanceLockPath(InstanceLockName(":7"));
  unsetenv("XDG_RUNTIME_DIR");
  ASSERT_EQ(path, folder + "/" + InstanceLockName(":7"));

  std::optional<InstanceLock> first(std::in_place, path);
  EXPECT_EQ(first->state(), InstanceLock::State::kHeld);
  EXPECT_EQ(InstanceLock(path).state(), InstanceLock::State::kHeldElsewhere);
  first.reset();
  EXPECT_EQ(InstanceLock(path).state(), InstanceLock::State::kHeld) << "not let go";
  EXPECT_EQ(InstanceLock("").state(), InstanceLock::State::kUnavailable);
}

}  // namespace
}  // namespace blazemere::platform
