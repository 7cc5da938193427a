// Blazemere.dll --window-id: the fire burning in a window of another program
// (here, of the test), fitted to it and following its size, leaving the
// keyboard and the pointer alone, and ending with the window or a signal.
#include <gtest/gtest.h>

#include <X11/extensions/Xfixes.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
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

// Pixels of the pointer as it is drawn now: none when a window hides it.
int PointerPixels(Display* display) {
  XFixesCursorImage* cursor = XFixesGetCursorImage(display);
  if (cursor == nullptr) return -1;
  int drawn = 0;
  for (int i = 0; i < cursor->width * cursor->height; ++i) drawn += (cursor->pixels[i] >> 24) != 0;
  XFree(cursor);
  return drawn;
}

class EmbeddedFire : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(x_.ok()) << "needs an X display";
    dataHome_ = MakeScratchFolder("embedded-fire-data");
    const std::string folder = dataHome_ + "/blazemere/drive_c/k_vorn";
    std::filesystem::create_directories(folder);
    const std::vector<std::uint8_t> ramp = PaletteRampBmpFile();
    std::ofstream(folder + "/Blazemere.bmp", std::ios::binary)
        .write(reinterpret_cast<const char*>(ramp.data()), std::ssize(ramp));
  }
  void TearDown() override {
    if (parent_ != 0) XDestroyWindow(x_.display(), parent_);
    XSync(x_.display(), False);
  }

  // The test program's window, and the renderer started on it by its id.
  void Start(unsigned width, unsigned height) {
    parent_ = XCreateSimpleWindow(x_.display(), DefaultRootWindow(x_.display()), 40, 30, width, height, 0, 0,
                                  kParentColour);
    XMapWindow(x_.display(), parent_);
    XSync(x_.display(), False);
    char id[32];
    std::snprintf(id, sizeof id, "0x%lx", parent_);
    renderer_ = std::make_unique<ChildProcess>(BinDir() + "/Blazemere.dll", std::vector<std::string>{"--window-id", id},
                                               std::map<std::string, std::string>{{"XDG_DATA_HOME", dataHome_}});
  }

  // True once the renderer's window fills the parent at `width` × `height`
  // and the whole of it burns; the deadline only catches a hang.
  bool BurnsAllOver(int width, int height) {
    const auto deadline = std::chrono::steady_clock::now() + 10s;
    do {
      const Window child = ShownChild(x_.display(), parent_);
      const WindowGeometry fire = child != 0 ? x_.Geometry(child) : WindowGeometry{};
      const WindowGeometry parent = x_.Geometry(parent_);
      if (child != 0 && fire.x == parent.x && fire.y == parent.y && fire.width == width && fire.height == height &&
          parent.width == width && FireShare(x_.CaptureWindow(parent_)) >= 0.98) {
        return true;
      }
      std::this_thread::sleep_for(20ms);
    } while (std::chrono::steady_clock::now() < deadline && renderer_->IsRunning());
    return false;
  }

  XSession x_;
  std::string dataHome_;
  Window parent_ = 0;
  std::unique_ptr<ChildProcess> renderer_;
};

TEST_F(EmbeddedFire, FillsTheWindowFollowsItsSizeAndLeavesInputAlone) {
  const Window other = x_.CreateFocusedWindow();
  ASSERT_NE(other, 0u);
  Start(300, 200);
  ASSERT_TRUE(BurnsAllOver(300, 200)) << renderer_->StandardError();
  XWarpPointer(x_.display(), None, parent_, 0, 0, 0, 0, 150, 100);
  XSync(x_.display(), False);
  EXPECT_GT(PointerPixels(x_.display()), 0) << "the pointer is hidden over the fire";
  EXPECT_TRUE(x_.WaitForFocus(other, 0ms)) << "the fire took the keyboard";

  // Wider and flatter, then narrower and taller: the square is stretched to
  // the whole window each time, as the full-screen fire is to the screen.
  for (const auto& [width, height] : {std::pair{420, 150}, std::pair{160, 240}}) {
    XResizeWindow(x_.display(), parent_, width, height);
    XSync(x_.display(), False);
    EXPECT_TRUE(BurnsAllOver(width, height)) << width << " x " << height;
  }
  EXPECT_TRUE(renderer_->IsRunning());
}

TEST_F(EmbeddedFire, EndsWithTheWindowOrASignal) {
  const std::pair<const char*, std::function<void()>> endings[] = {
      {"window destroyed",
       [this] {
         XDestroyWindow(x_.display(), parent_);
         XSync(x_.display(), False);
         parent_ = 0;
       }},
      {"SIGTERM", [this] { kill(renderer_->pid(), SIGTERM); }},
      {"SIGINT", [this] { kill(renderer_->pid(), SIGINT); }},
  };
  for (const auto& [name, end] : endings) {
    SCOPED_TRACE(name);
    Start(300, 200);
    ASSERT_TRUE(BurnsAllOver(300, 200)) << renderer_->StandardError();
    end();
    EXPECT_EQ(renderer_->WaitForExit(5s), 0) << "signalled: " << renderer_->TerminatedBySignal();
    TearDown();
    parent_ = 0;
  }
  // A window that is not there: a clear word and status 1.
  ChildProcess missing(BinDir() + "/Blazemere.dll", {"--window-id", "0x7ffffff"}, {{"XDG_DATA_HOME", dataHome_}});
  EXPECT_EQ(missing.WaitForExit(5s), 1);
  EXPECT_NE(missing.StandardError().find("no window 0x7ffffff"), std::string::npos) << missing.StandardError();
}

}  // namespace
}  // namespace blazemere::testing
