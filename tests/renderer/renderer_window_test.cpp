// Blazemere.dll started as the host starts it, on a real X server: its
// full-screen window, the hidden pointer, the ways it ends and does not end,
// and the reader's error box over the fire when the palette is unusable.
#include <gtest/gtest.h>

#include <X11/Xatom.h>
#include <X11/extensions/Xfixes.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <thread>

#include "tests/renderer/bmp_builder.h"
#include "tests/support/child_process.h"
#include "tests/support/x_session.h"

namespace {

using namespace blazemere::testing;
using namespace std::chrono_literals;

constexpr const char* kTitle = "Blazemere_VC";

// The root's child that holds `window`: stacking order is kept among those.
Window TopLevelOf(Display* display, Window window) {
  for (;;) {
    Window root = 0, parent = 0, *children = nullptr;
    unsigned count = 0;
    if (XQueryTree(display, window, &root, &parent, &children, &count) == 0) return 0;
    if (children != nullptr) XFree(children);
    if (parent == root) return window;
    window = parent;
  }
}

// True if `upper` is stacked above `lower`.
bool IsAbove(Display* display, Window upper, Window lower) {
  Window root = 0, parent = 0, *children = nullptr;
  unsigned count = 0;
  XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count);
  const Window top = TopLevelOf(display, upper), bottom = TopLevelOf(display, lower);
  int upperIndex = -1, lowerIndex = -1;
  for (unsigned i = 0; i < count; ++i) {
    if (children[i] == top) upperIndex = static_cast<int>(i);
    if (children[i] == bottom) lowerIndex = static_cast<int>(i);
  }
  if (children != nullptr) XFree(children);
  return upperIndex > lowerIndex && lowerIndex >= 0;
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

// True if the pointer over the window shows no visible pixel.
bool PointerInvisible(Display* display) {
  XFixesCursorImage* cursor = XFixesGetCursorImage(display);
  if (cursor == nullptr) return false;
  bool invisible = true;
  for (int i = 0; i < cursor->width * cursor->height; ++i) {
    if ((cursor->pixels[i] >> 24) != 0) invisible = false;
  }
  XFree(cursor);
  return invisible;
}

class RendererWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(x_.ok()) << "needs an X display";
    dataHome_ = MakeScratchFolder("renderer-data");
    std::filesystem::create_directories(dataHome_ + "/blazemere/drive_c/k_vorn");
  }

  void WritePalette(const std::vector<std::uint8_t>& bytes) {
    std::ofstream(dataHome_ + "/blazemere/drive_c/k_vorn/Blazemere.bmp", std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
  void WriteGoodPalette() {
    WritePalette(BuildBmp24(40, 32, 32, [](int x, int y) {
      return Rgb{255, static_cast<std::uint8_t>(x * 8), static_cast<std::uint8_t>(y * 8)};
    }));
  }

  // Started as the host starts it: by path, no arguments.
  std::unique_ptr<ChildProcess> StartRenderer() {
    return std::make_unique<ChildProcess>(BinDir() + "/Blazemere.dll", std::vector<std::string>{},
                                          std::map<std::string, std::string>{{"XDG_DATA_HOME", dataHome_}});
  }

  // A started renderer whose window is up and has drawn a few frames.
  std::unique_ptr<ChildProcess> StartBurningRenderer(Window& window) {
    WriteGoodPalette();
    auto renderer = StartRenderer();
    window = x_.WaitForWindow(kTitle, 10s);
    std::this_thread::sleep_for(300ms);
    return renderer;
  }

  // Waits until the bottom middle of the screen shows the fire: the good
  // palette's red with little blue (the untextured first frame is white).
  bool BottomMiddleLit(const WindowGeometry& g, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    do {
      const RgbImage bottom = x_.Capture(g.width / 2 - 20, g.height - 80, 40, 40);
      for (int y = 0; y < bottom.height; ++y) {
        for (int x = 0; x < bottom.width; ++x) {
          const std::uint32_t rgb = bottom.At(x, y);
          if ((rgb >> 16) > 0x80 && (rgb & 0xFF) < 0x80) return true;
        }
      }
      std::this_thread::sleep_for(50ms);
    } while (std::chrono::steady_clock::now() < deadline);
    return false;
  }

  XSession x_;
  std::string dataHome_;
};

TEST_F(RendererWindowTest, CoversTheScreenFromTheOriginWithoutPointer) {
  Window window = 0;
  auto renderer = StartBurningRenderer(window);
  ASSERT_NE(window, 0u) << renderer->StandardError();
  const WindowGeometry g = x_.Geometry(window);
  Display* d = x_.display();
  EXPECT_EQ(g.x, 0);
  EXPECT_EQ(g.y, 0);
  EXPECT_EQ(g.width, DisplayWidth(d, DefaultScreen(d)));
  EXPECT_EQ(g.height, DisplayHeight(d, DefaultScreen(d)));
  ASSERT_EQ(XDoTool({"mousemove", "200", "200"}), 0);
  std::this_thread::sleep_for(100ms);
  EXPECT_TRUE(PointerInvisible(d));
  EXPECT_TRUE(BottomMiddleLit(g, 10s)) << "the fire burns up from the bottom edge";
}

TEST_F(RendererWindowTest, OnlyEscapeEndsIt) {
  Window window = 0;
  auto renderer = StartBurningRenderer(window);
  ASSERT_NE(window, 0u);
  const std::vector<std::vector<std::string>> ignored = {
      {"key", "a"}, {"key", "Return"}, {"mousemove", "300", "300"}, {"click", "1"}, {"click", "3"}};
  for (const auto& input : ignored) {
    ASSERT_EQ(XDoTool(input), 0);
    std::this_thread::sleep_for(200ms);
    EXPECT_TRUE(renderer->IsRunning()) << "ended by " << input.front() << " " << input.back();
  }
  ASSERT_EQ(XDoTool({"key", "Escape"}), 0);
  EXPECT_EQ(renderer->WaitForExit(10s), 0);
  EXPECT_TRUE(x_.WaitForNoWindow(kTitle, 5s));
}

TEST_F(RendererWindowTest, ClosingTheWindowEndsItNormally) {
  Window window = 0;
  auto renderer = StartBurningRenderer(window);
  ASSERT_NE(window, 0u);
  SendDeleteWindow(x_.display(), window);
  EXPECT_EQ(renderer->WaitForExit(10s), 0) << "signalled: " << renderer->TerminatedBySignal();
  EXPECT_TRUE(x_.WaitForNoWindow(kTitle, 5s));
}

TEST_F(RendererWindowTest, UnusablePaletteShowsErrorOverTheFireAndEndsWithOne) {
  struct Row { const char* name; std::vector<std::uint8_t> file; bool write; };
  const auto rgb = [](int, int) { return Rgb{255, 0, 0}; };
  const Row rows[] = {{"missing file", {}, false}, {"108-byte header", BuildBmp24(108, 32, 32, rgb), true}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    std::filesystem::remove(dataHome_ + "/blazemere/drive_c/k_vorn/Blazemere.bmp");
    if (row.write) WritePalette(row.file);
    auto renderer = StartRenderer();
    const Window fire = x_.WaitForWindow(kTitle, 10s);
    const Window box = x_.WaitForWindow("Error", 10s);
    ASSERT_NE(fire, 0u);
    ASSERT_NE(box, 0u) << renderer->StandardError();
    std::this_thread::sleep_for(300ms);  // let the box take the focus
    EXPECT_TRUE(IsAbove(x_.display(), box, fire));
    EXPECT_TRUE(renderer->IsRunning()) << "waits for the user";
    ASSERT_EQ(XDoTool({"key", "Return"}), 0);
    EXPECT_EQ(renderer->WaitForExit(10s), 1);
    EXPECT_TRUE(x_.WaitForNoWindow(kTitle, 5s));
  }
}

}  // namespace
