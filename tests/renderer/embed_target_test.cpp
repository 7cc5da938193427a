// Which window Blazemere.dll is asked to burn on: its own, one given by id,
// XScreenSaver's or the root window.
#include <gtest/gtest.h>

#include "renderer/glx_embed/embed_target.h"

namespace blazemere::renderer {
namespace {

using Kind = EmbedTarget::Kind;

TEST(EmbedTarget, FromArgumentsAndEnvironment) {
  const struct {
    std::vector<std::string_view> arguments;
    const char* xscreensaverWindow;
    Kind kind;
    std::uint32_t window;
  } rows[] = {
      {{"-display", ":3", "-geometry", "10x10"}, "0x40000F", Kind::kOwnWindow, 0},
      {{"--window-id", "4194338"}, "0x40000F", Kind::kWindow, 4194338},
      {{"--root"}, "0x40000F", Kind::kWindow, 0x40000F},
      {{"--root"}, nullptr, Kind::kRootWindow, 0},
      {{"--root"}, "", Kind::kRootWindow, 0},
      {{"--root", "--window-id", "0x22"}, "0x40000F", Kind::kWindow, 0x22},
      {{"--window-id", "0x22", "--root"}, "0x40000F", Kind::kWindow, 0x22},
      {{"--window-id"}, nullptr, Kind::kInvalid, 0},
      {{"--window-id", "--root"}, "0x40000F", Kind::kInvalid, 0},
      {{"--root"}, "window", Kind::kInvalid, 0},
  };
  for (const auto& row : rows) {
    const EmbedTarget target = EmbedTargetOf(row.arguments, row.xscreensaverWindow);
    const std::string name = ::testing::PrintToString(row.arguments) + " with XSCREENSAVER_WINDOW " +
                             (row.xscreensaverWindow ? row.xscreensaverWindow : "unset");
    EXPECT_EQ(target.kind, row.kind) << name;
    EXPECT_EQ(target.window, row.window) << name;
    EXPECT_EQ(target.problem.empty(), row.kind != Kind::kInvalid) << name;
  }
}

}  // namespace
}  // namespace blazemere::renderer
