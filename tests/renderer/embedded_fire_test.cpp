// Blazemere.dll --window-id: the fire burning in a window of another program
// (here, of the test), fitted to it and following its size, leaving the
// keyboard alone, and ending with the window.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <thread>

#include "common/palette_ramp.h"
#include "tests/support/child_process.h"
#include "tests/support/x_session.h"

namespace blazemere::testing {
namespace {

using namespace std::chrono_literals;

constexpr unsigned long kParentColour = 0xFF00FF;

// Share of the pixels in the fire's colours. The ramp runs from red to
// yellow, always at full red and without blue; the parent's magenta, the
// white first frame and black all fail.
double FireShare(const RgbImage& image) {
  if (image.pixels.empty()) return 0;
  int fire = 0;
  for (std::size_t i = 0; i + 2 < image.pixels.size(); i += 3) fire += image.pixels[i] >= 200 && image.pixels[i + 2] <= 60;
  return fire * 3.0 / static_cast<double>(image.pixels.size());
}

// The window the renderer made inside `parent`, once shown.
Window ShownChild(Display* display, Window parent) {
  Window root = 0, up = 0, *children = nullptr;
  unsigned count = 0;
  Window shown = 0;
  if (XQueryTree(display, parent, &root, &up, &children, &count) != 0 && count > 0) {
    XWindowAttributes attributes{};
    if (XGetWindowAttributes(display, children[0], &attributes) != 0 && attributes.map_state == IsViewable) {
      shown = children[0];
    }
  }
  if (children != nullptr) XFree(children);
  return shown;
}

// True once the renderer's window fills `parent` at `width` × `height` and
// the whole of it burns; the deadline only catches a hang.
bool BurnsAllOver(XSession& x, Window parent, ChildProcess& renderer, int width, int height) {
  const auto deadline = std::chrono::steady_clock::now() + 10s;
  do {
    const Window child = ShownChild(x.display(), parent);
    const WindowGeometry fire = child != 0 ? x.Geometry(child) : WindowGeometry{}, outer = x.Geometry(parent);
    if (child != 0 && fire.x == outer.x && fire.y == outer.y && fire.width == width && fire.height == height &&
        outer.width == width && FireShare(x.CaptureWindow(parent)) >= 0.98) {
      return true;
    }
    std::this_thread::sleep_for(20ms);
  } while (std::chrono::steady_clock::now() < deadline && renderer.IsRunning());
  return false;
}

TEST(EmbeddedFire, FillsTheWindowFollowsItsSizeAndEndsWithIt) {
  XSession x;
  ASSERT_TRUE(x.ok()) << "needs an X display";
  const std::string dataHome = MakeScratchFolder("embedded-fire-data"), folder = dataHome + "/blazemere/drive_c/k_vorn";
  std::filesystem::create_directories(folder);
  const std::vector<std::uint8_t> ramp = PaletteRampBmpFile();
  std::ofstream(folder + "/Blazemere.bmp", std::ios::binary).write(reinterpret_cast<const char*>(ramp.data()), std::ssize(ramp));
  const std::map<std::string, std::string> environment{{"XDG_DATA_HOME", dataHome}};

  const Window other = x.CreateFocusedWindow();
  ASSERT_NE(other, 0u);
  const Window parent = XCreateSimpleWindow(x.display(), DefaultRootWindow(x.display()), 40, 30, 300, 200, 0, 0, kParentColour);
  XMapWindow(x.display(), parent);
  XSync(x.display(), False);
  char id[32];
  std::snprintf(id, sizeof id, "0x%lx", parent);
  ChildProcess renderer(BinDir() + "/Blazemere.dll", {"--window-id", id}, environment);
  ASSERT_TRUE(BurnsAllOver(x, parent, renderer, 300, 200)) << renderer.StandardError();
  EXPECT_TRUE(x.WaitForFocus(other, 0ms)) << "the fire took the keyboard";

  // Wider and flatter, then narrower and taller: the square is stretched to
  // the whole window each time, as the full-screen fire is to the screen.
  for (const auto& [width, height] : {std::pair{420, 150}, std::pair{160, 240}}) {
    XResizeWindow(x.display(), parent, width, height);
    XSync(x.display(), False);
    EXPECT_TRUE(BurnsAllOver(x, parent, renderer, width, height)) << width << " x " << height;
  }
  // The window's owner may destroy it mid-frame.
  XDestroyWindow(x.display(), parent);
  XSync(x.display(), False);
  EXPECT_EQ(renderer.WaitForExit(5s), 0) << "signalled: " << renderer.TerminatedBySignal();

  // A window that is not there: a clear word and status 1.
  ChildProcess missing(BinDir() + "/Blazemere.dll", {"--window-id", "0x7ffffff"}, environment);
  EXPECT_EQ(missing.WaitForExit(5s), 1);
  EXPECT_NE(missing.StandardError().find("no window 0x7ffffff"), std::string::npos) << missing.StandardError();
}

}  // namespace
}  // namespace blazemere::testing
