// Mode letter and preview handle as the start-up reads them from the command line.
#include <gtest/gtest.h>

#include "host/core/startup/command_line.h"

namespace blazemere::host {
namespace {

TEST(CommandLine, ModeLetter) {
  const std::pair<const char*, const char*> rows[] = {
      {"/s", "S"}, {"-s", "S"}, {"/settings", "S"}, {"/c:1234", "C"}, {"s", ""}, {"", ""}, {"é/s", "/"}, {"/é", "é"},
  };
  for (const auto& [line, letter] : rows) EXPECT_EQ(ModeLetterOf(line), letter) << "command line '" << line << "'";
}

TEST(CommandLine, PreviewHandle) {
  const std::pair<const char*, std::uint32_t> rows[] = {
      {"/p 1234", 1234}, {"/p:1234", 1234},           {"/p 12 34", 1234},   {"/p 42abc", 42}, {"/p abc", 0},
      {"/p 3.5", 4},     {"/p 4294967295", 4294967295u}, {"/p 4294967296", 0}, {"/p -5", 0},
      // xwininfo and xdotool print window ids in hex.
      {"/p 0x1e00007", 0x1e00007}, {"/p:0XaBc", 0xabc},   {"/p &H1E00007", 0x1e00007}, {"/p &h 1 f", 0x1f},
      {"/p 0x1fg", 0x1f},          {"/p 0x", 0},          {"/p &H", 0},                {"/p 0xffffffff", 0xffffffffu},
      {"/p 0x100000000", 0},       {"/p 0x000000000001", 1}, {"/p -0x5", 0},
  };
  for (const auto& [line, handle] : rows) EXPECT_EQ(PreviewHandleOf(line), handle) << "command line '" << line << "'";
}

// XScreenSaver runs "--xscreensaver" as written; its settings panel's
// preview appends "--window-id ID". Nothing else reaches the display mode.
TEST(CommandLine, DisplayMode) {
  using Preview = std::optional<std::uint32_t>;
  const std::tuple<const char*, HostMode, Preview> rows[] = {
      {"--xscreensaver", HostMode::kDisplayMode, std::nullopt},
      {"--xscreensaver --window-id 0x400E22", HostMode::kDisplayMode, 0x400E22},
      {"--xscreensaver  --window-id   4194338", HostMode::kDisplayMode, 4194338},
      {"--xscreensaver --window-id", HostMode::kDisplayMode, 0},
      {"--xscreensaver --window-id nine", HostMode::kDisplayMode, 0},
      {"--xscreensaver --root", HostMode::kDisplayMode, std::nullopt},
      {"--xscreensavers", HostMode::kNothing, std::nullopt},
      {"-xscreensaver", HostMode::kNothing, std::nullopt},
      {"/s --xscreensaver", HostMode::kSaver, std::nullopt},
  };
  for (const auto& [line, mode, preview] : rows) {
    EXPECT_EQ(HostModeOf(line), mode) << "command line '" << line << "'";
    if (mode == HostMode::kDisplayMode) {
      EXPECT_EQ(DisplayModePreviewOf(line), preview) << "command line '" << line << "'";
    }
  }
}

}  // namespace
}  // namespace blazemere::host
