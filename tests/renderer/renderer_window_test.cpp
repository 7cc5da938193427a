// Blazemere.dll started as the host starts it, on a real X server: its
// full-screen window, the ways it ends and does not end,
// and the reader's error box over the fire when the palette is unusable.
#include <gtest/gtest.h>

#include <X11/Xatom.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <thread>
#include <tuple>

#include "host/resources/palette/palette_ramp.h"
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

bool HasFocus(Display* display, Window window) {
  Window focus = 0;
  int revert = 0;
  XGetInputFocus(display, &focus, &revert);
  return focus == window;
}

// What a window manager sends when the user closes a window.
void SendDeleteWindow(Display* display, Window window) {
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(display, window, False, NoEventMask, &event);
  XFlush(display);
}

class RendererWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(x_.ok()) << "needs an X display";
    dataHome_ = MakeScratchFolder("renderer-data");
    std::filesystem::create_directories(dataHome_ + "/blazemere/drive_c/k_vorn");
  }

  // Writes the palette file (none if `bytes` is empty), starts the renderer
  // as the host does (by path, no arguments) and waits for its window.
  Window Start(const std::vector<std::uint8_t>& bytes) {
    const std::string palette = dataHome_ + "/blazemere/drive_c/k_vorn/Blazemere.bmp";
    std::filesystem::remove(palette);
    if (!bytes.empty()) std::ofstream(palette, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::ssize(bytes));
    renderer_ = std::make_unique<ChildProcess>(BinDir() + "/Blazemere.dll", std::vector<std::string>{},
                                               std::map<std::string, std::string>{{"XDG_DATA_HOME", dataHome_}});
    return x_.WaitForWindow(kTitle, 10s);
  }

  XSession x_;
  std::string dataHome_;
  std::unique_ptr<ChildProcess> renderer_;
};

TEST_F(RendererWindowTest, FullScreenAndOnlyEscapeEndsIt) {
  const Window window = Start(blazemere::host::PaletteRampBmpFile());
  ASSERT_NE(window, 0u) << renderer_->StandardError();
  Display* d = x_.display();
  const auto full = std::tuple(0, 0, DisplayWidth(d, DefaultScreen(d)), DisplayHeight(d, DefaultScreen(d)));
  const auto shown = [&] { const WindowGeometry g = x_.Geometry(window); return std::tuple(g.x, g.y, g.width, g.height); };
  for (int i = 0; i < 250 && shown() != full; ++i) std::this_thread::sleep_for(20ms);  // 5 s is only a hang guard
  EXPECT_EQ(shown(), full);
  for (const auto& input : std::vector<std::vector<std::string>>{{"mousemove", "200", "200"}, {"key", "a"}, {"click", "1"}}) {
    ASSERT_EQ(XDoTool(input), 0);
    std::this_thread::sleep_for(200ms);
    EXPECT_TRUE(renderer_->IsRunning()) << "ended by " << input.front() << " " << input.back();
  }
  ASSERT_EQ(XDoTool({"key", "Escape"}), 0);
  EXPECT_EQ(renderer_->WaitForExit(10s), 0);
  EXPECT_TRUE(x_.WaitForNoWindow(kTitle, 5s));
}

TEST_F(RendererWindowTest, ClosingTheWindowEndsItNormally) {
  const Window window = Start(blazemere::host::PaletteRampBmpFile());
  ASSERT_NE(window, 0u);
  std::this_thread::sleep_for(300ms);
  SendDeleteWindow(x_.display(), window);
  EXPECT_EQ(renderer_->WaitForExit(10s), 0) << "signalled: " << renderer_->TerminatedBySignal();
  EXPECT_TRUE(x_.WaitForNoWindow(kTitle, 5s));
}

// The box must be on top and hold the keyboard: one hidden behind the fire
// would leave the user stuck.
TEST_F(RendererWindowTest, UnusablePaletteShowsErrorOverTheFireAndEndsWithOne) {
  const std::vector<std::uint8_t> header108 = BuildBmp({.headerSize = 108, .bits = {0, 0, 0, 0}});
  for (const auto& [name, file] : {std::pair{"missing file", std::vector<std::uint8_t>{}}, {"108-byte header", header108}}) {
    SCOPED_TRACE(name);
    const Window fire = Start(file);
    const Window box = x_.WaitForWindow("Error", 10s);
    ASSERT_NE(fire, 0u);
    ASSERT_NE(box, 0u) << renderer_->StandardError();
    for (int i = 0; i < 100 && !HasFocus(x_.display(), box); ++i) std::this_thread::sleep_for(20ms);
    EXPECT_TRUE(HasFocus(x_.display(), box));
    EXPECT_TRUE(StackedAbove(x_.display(), box, fire));
    EXPECT_TRUE(renderer_->IsRunning()) << "waits for the user";
    ASSERT_EQ(XDoTool({"key", "Return"}), 0);
    EXPECT_EQ(renderer_->WaitForExit(10s), 1);
    EXPECT_TRUE(x_.WaitForNoWindow(kTitle, 5s));
  }
}

}  // namespace
