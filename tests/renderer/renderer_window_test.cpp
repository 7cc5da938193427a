// Blazemere.dll started as the host starts it, on a real X server: its
// full-screen window, the ways it ends and does not end,
// and the reader's error box over the fire when the palette is unusable.
#include <gtest/gtest.h>

#include <X11/Xatom.h>

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <thread>
#include <tuple>

#include "common/palette_ramp.h"
#include "tests/support/bmp_builder.h"
#include "tests/support/child_process.h"
#include "tests/support/x_session.h"

namespace {

using namespace blazemere::testing;
using namespace std::chrono_literals;

constexpr const char* kTitle = "Blazemere_VC";

// Without a window manager every top-level window is a child of the root,
// listed bottom to top.
bool StackedAbove(Display* display, Window upper, Window lower) {
  Window root = 0, parent = 0, *children = nullptr;
  unsigned count = 0;
  if (XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count) == 0) return false;
  const auto upperAt = std::find(children, children + count, upper), lowerAt = std::find(children, children + count, lower);
  const bool above = upperAt != children + count && lowerAt != children + count && upperAt > lowerAt;
  XFree(children);
  return above;
}

class RendererWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(x_.ok()) << "needs an X display";
    dataHome_ = MakeScratchFolder("renderer-data");
    std::filesystem::create_directories(dataHome_ + "/blazemere/drive_c/k_vorn");
  }

  std::string PalettePath() const { return dataHome_ + "/blazemere/drive_c/k_vorn/Blazemere.bmp"; }

  // Writes the palette file (none if `bytes` is empty), starts the renderer
  // as the host does (by path, no arguments) and waits for its window.
  Window Start(const std::vector<std::uint8_t>& bytes) {
    std::filesystem::remove(PalettePath());
    if (!bytes.empty()) std::ofstream(PalettePath(), std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::ssize(bytes));
    return StartWithPaletteInPlace();
  }
  Window StartWithPaletteInPlace() {
    renderer_ = std::make_unique<ChildProcess>(BinDir() + "/Blazemere.dll", std::vector<std::string>{},
                                               std::map<std::string, std::string>{{"XDG_DATA_HOME", dataHome_}});
    return x_.WaitForWindow(kTitle, 10s);
  }

  bool CoversScreen(Window window) {
    Display* d = x_.display();
    const WindowGeometry g = x_.Geometry(window);
    return std::tuple(g.x, g.y, g.width, g.height) ==
           std::tuple(0, 0, DisplayWidth(d, DefaultScreen(d)), DisplayHeight(d, DefaultScreen(d)));
  }

  XSession x_;
  std::string dataHome_;
  std::unique_ptr<ChildProcess> renderer_;
};

// Another program holds the keyboard when the renderer starts: the fire
// window takes it, or Escape would go elsewhere and leave the user stuck.
TEST_F(RendererWindowTest, FullScreenTakesTheKeyboardAndOnlyEscapeEndsIt) {
  const Window other = x_.CreateFocusedWindow();
  ASSERT_NE(other, 0u);
  const Window window = Start(blazemere::PaletteRampBmpFile());
  ASSERT_NE(window, 0u) << renderer_->StandardError();
  for (int i = 0; i < 250 && !CoversScreen(window); ++i) std::this_thread::sleep_for(20ms);  // 5 s is only a hang guard
  EXPECT_TRUE(CoversScreen(window));
  EXPECT_TRUE(x_.WaitForFocus(window, 5s)) << "the fire window did not take the keyboard";
  for (const auto& input : std::vector<std::vector<std::string>>{{"mousemove", "200", "200"}, {"key", "a"}, {"click", "1"}}) {
    ASSERT_EQ(XDoTool(input), 0);
    std::this_thread::sleep_for(200ms);
    EXPECT_TRUE(renderer_->IsRunning()) << "ended by " << input.front() << " " << input.back();
  }
  ASSERT_EQ(XDoTool({"key", "Escape"}), 0);
  EXPECT_EQ(renderer_->WaitForExit(10s), 0);
  EXPECT_TRUE(x_.WaitForNoWindow(kTitle, 5s));
}

// What a window manager sends when the user closes a window.
TEST_F(RendererWindowTest, ClosingTheWindowEndsItNormally) {
  const Window window = Start(blazemere::PaletteRampBmpFile());
  ASSERT_NE(window, 0u);
  std::this_thread::sleep_for(300ms);
  XEvent event{.xclient = {.type = ClientMessage, .window = window,
                           .message_type = XInternAtom(x_.display(), "WM_PROTOCOLS", False), .format = 32}};
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(x_.display(), "WM_DELETE_WINDOW", False));
  XSendEvent(x_.display(), window, False, NoEventMask, &event);
  XFlush(x_.display());
  EXPECT_EQ(renderer_->WaitForExit(10s), 0) << "signalled: " << renderer_->TerminatedBySignal();
  EXPECT_TRUE(x_.WaitForNoWindow(kTitle, 5s));
}

// The box comes over the full-screen fire, on top and holding the keyboard:
// one hidden behind the fire would leave the user stuck. A named pipe where
// the palette belongs must not block the renderer: it cannot be read, so it
// gives the box like a missing file.
TEST_F(RendererWindowTest, UnusablePaletteShowsErrorOverTheFireAndEndsWithOne) {
  const std::vector<std::uint8_t> header108 = BuildBmp({.headerSize = 108, .bits = {0, 0, 0, 0}});
  const auto pipe = [this] {
    std::filesystem::remove(PalettePath());
    return ::mkfifo(PalettePath().c_str(), 0600) == 0 ? StartWithPaletteInPlace() : Window{0};
  };
  const std::pair<const char*, std::function<Window()>> cases[] = {
      {"missing file", [&] { return Start({}); }},
      {"108-byte header", [&] { return Start(header108); }},
      {"named pipe", pipe},
  };
  for (const auto& [name, start] : cases) {
    SCOPED_TRACE(name);
    ASSERT_NE(x_.CreateFocusedWindow(), 0u);
    const Window fire = start();
    const Window box = x_.WaitForWindow("Error", 10s);
    ASSERT_NE(fire, 0u);
    ASSERT_NE(box, 0u) << renderer_->StandardError();
    EXPECT_TRUE(CoversScreen(fire)) << "the box came before the fire covered the screen";
    EXPECT_TRUE(x_.WaitForFocus(box, 2s));
    EXPECT_TRUE(StackedAbove(x_.display(), box, fire));
    EXPECT_TRUE(renderer_->IsRunning()) << "waits for the user";
    ASSERT_EQ(XDoTool({"key", "Return"}), 0);
    EXPECT_EQ(renderer_->WaitForExit(10s), 1);
    EXPECT_TRUE(x_.WaitForNoWindow(kTitle, 5s));
  }
}

}  // namespace
