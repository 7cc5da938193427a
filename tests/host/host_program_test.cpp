// Blazemere.scr started as a user (or the desktop) starts it, with the real
// renderer Blazemere.dll beside it, each test on an X server of its own whose
// framebuffer shows the software-drawn pointer.
#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <thread>

#include "host/resources/palette/palette_ramp.h"
#include "host/resources/preview/preview_pictures.h"
#include "platform/image/jpeg_decode.h"
#include "platform/x11/x11_window_lookup.h"
#include "tests/support/child_process.h"
#include "tests/support/private_xvfb.h"
#include "tests/support/x_session.h"

namespace blazemere::testing {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;
using Arguments = std::vector<std::string>;

constexpr auto kHangGuard = 5s;
constexpr const char* kRendererTitle = "Blazemere_VC";
constexpr const char* kSaverTitle = "Blazemere_Main";
constexpr const char* kDialogTitle = "<Blazemere>";
constexpr const char* kMessageTitle = "Blazemere (ScreenSaver)";

// A window that vanishes or is not shown yet must fail a check, not end the
// whole test program through Xlib's default error handler.
int IgnoreXError(Display*, XErrorEvent*) { return 0; }
const auto kPreviousXErrorHandler = XSetErrorHandler(IgnoreXError);

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Inode and modification time: a rewrite (always a new file) changes both.
std::pair<ino_t, std::int64_t> FileIdentity(const std::string& path) {
  struct stat info {};
  if (stat(path.c_str(), &info) != 0) return {0, 0};
  return {info.st_ino, std::int64_t{info.st_mtim.tv_sec} * 1000000000 + info.st_mtim.tv_nsec};
}

// The first child of `parent` once it is shown (titled, sized, about to paint).
Window WaitForChild(Display* display, Window parent, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  do {
    Window root = 0;
    Window up = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display, parent, &root, &up, &children, &count) != 0 && count > 0) {
      const Window child = children[0];
      XFree(children);
      XWindowAttributes attributes{};
      if (XGetWindowAttributes(display, child, &attributes) != 0 && attributes.map_state == IsViewable) return child;
    }
    std::this_thread::sleep_for(10ms);
  } while (std::chrono::steady_clock::now() < deadline);
  return 0;
}

// Seconds between the first and the last sound in SDL's disk output
// (signed 16-bit stereo at 44.1 kHz).
double SoundingSpan(const std::vector<std::uint8_t>& output) {
  std::size_t first = 0;
  std::size_t last = 0;
  for (std::size_t offset = 0; offset + 4 <= output.size(); offset += 4) {
    const auto left = static_cast<std::int16_t>(output[offset] | output[offset + 1] << 8);
    if (left > 100 || left < -100) {
      if (last == 0) first = offset;
      last = offset + 4;
    }
  }
  return static_cast<double>(last - first) / 4 / 44100.0;
}

// An installed copy of both programs, a user whose folders start empty, and
// an X server of the test's own that every program started here uses.
class HostProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(server_.ok());
    setenv("DISPLAY", server_.display().c_str(), 1);
    session_ = std::make_unique<XSession>();
    ASSERT_TRUE(session_->ok());
    XWarpPointer(display(), None, DefaultRootWindow(display()), 0, 0, 0, 0, 8, 8);
    XSync(display(), False);
    root_ = MakeScratchFolder(::testing::UnitTest::GetInstance()->current_test_info()->name());
    host_ = root_ + "/host";
    for (const char* sub : {"/home", "/data", "/config", "/host"}) fs::create_directories(root_ + sub);
    for (const char* program : {"/Blazemere.scr", "/Blazemere.dll"}) fs::copy_file(BinDir() + program, host_ + program);
  }
  void TearDown() override { EndProgramsOfUser(); }

  std::unique_ptr<ChildProcess> Start(const Arguments& arguments) const {
    return std::make_unique<ChildProcess>(
        host_ + "/Blazemere.scr", arguments,
        std::map<std::string, std::string>{{"HOME", root_ + "/home"}, {"XDG_DATA_HOME", root_ + "/data"},
                                           {"XDG_CONFIG_HOME", root_ + "/config"}, {"SDL_AUDIODRIVER", "disk"},
                                           {"SDL_DISKAUDIOFILE", SoundFile()}});
  }
  // Ends at once, shows no message and starts no renderer.
  void ExpectSilentEnd(const Arguments& arguments) {
    SCOPED_TRACE(::testing::PrintToString(arguments));
    EXPECT_EQ(Start(arguments)->WaitForExit(kHangGuard), 0);
    EXPECT_FALSE(session_->Exists(kMessageTitle));
    EXPECT_FALSE(session_->Exists(kRendererTitle));
  }
  std::string PaletteFile() const { return root_ + "/data/blazemere/drive_c/k_vorn/Blazemere.bmp"; }
  std::string SoundFile() const { return root_ + "/sound.raw"; }
  Display* display() const { return session_->display(); }

  // SetUp puts the pointer in a corner the fire's square does not reach; the
  // classic pointer there has some 90 pixels on screen, a few stray ones come
  // from the fire changing while we look.
  bool PointerVisible() const { return server_.PointerPixels(0, 0, 32, 32) > 24; }

  // The renderer hides the pointer over its own window; a window of ours on
  // top of it under the pointer shows only what the host does to the pointer.
  void CoverRendererUnderThePointer() {
    XSetWindowAttributes attributes{};
    attributes.override_redirect = True;
    const Window probe = XCreateWindow(display(), DefaultRootWindow(display()), 0, 0, 32, 32, 0, CopyFromParent,
                                       InputOutput, CopyFromParent, CWOverrideRedirect, &attributes);
    XMapRaised(display(), probe);
    XSync(display(), False);
  }

  // A window of "another program" for the preview to sit in.
  Window CreateParent(int width, int height) {
    const Window window = XCreateSimpleWindow(display(), DefaultRootWindow(display()), 40, 30,
                                              static_cast<unsigned>(width), static_cast<unsigned>(height), 0, 0,
                                              kParentColour);
    XMapWindow(display(), window);
    XSync(display(), False);
    return window;
  }

  // Keys go to a window once it is shown.
  void PressKeyIn(Window window, const std::string& key) {
    const auto deadline = std::chrono::steady_clock::now() + kHangGuard;
    XWindowAttributes attributes{};
    while (std::chrono::steady_clock::now() < deadline &&
           (XGetWindowAttributes(display(), window, &attributes) == 0 || attributes.map_state != IsViewable)) {
      std::this_thread::sleep_for(10ms);
    }
    XSetInputFocus(display(), window, RevertToPointerRoot, CurrentTime);
    XSync(display(), False);
    ASSERT_EQ(XDoTool({"key", key}), 0);
  }

  // Renderers are left running by the host by design, and a failed test may
  // leave anything; every program of this test's user carries its HOME.
  void EndProgramsOfUser() const {
    const std::string home = "HOME=" + root_ + "/home";
    for (const auto& entry : fs::directory_iterator("/proc")) {
      const std::string name = entry.path().filename().string();
      if (name.find_first_not_of("0123456789") != std::string::npos) continue;
      const std::vector<std::uint8_t> bytes = ReadBytes(entry.path() / "environ");
      const std::string environment(bytes.begin(), bytes.end());
      if (environment.find(home + '\0') != std::string::npos || environment.ends_with(home)) {
        kill(std::stoi(name), SIGKILL);
      }
    }
  }

  static constexpr unsigned long kParentColour = 0xFF00FF;
  PrivateXvfb server_{"400x300"};
  std::unique_ptr<XSession> session_;
  std::string root_;
  std::string host_;
};

TEST_F(HostProgram, SaverRunFromStartToEscape) {
  ExpectSilentEnd({"/a"});
  // A half-second MP3 keeps sounding only if the run's one-second timer
  // restarts it.
  const std::string song = host_ + "/tone.mp3";
  ASSERT_EQ(RunCommand({"sox", "-n", "-r", "44100", "-c", "2", song, "synth", "0.5", "sine", "440"}), 0);
  std::ofstream(host_ + "/Blazemere.ini") << "[Section]\nBGM区分= 2\nBGMﾘﾋﾟｰﾄ= 0\nBGMﾌｧｲﾙ=" << song << "\n";
  ASSERT_TRUE(PointerVisible());

  const auto host = Start({"/s"});
  const Window renderer = session_->WaitForWindow(kRendererTitle, kHangGuard);
  ASSERT_NE(renderer, 0u);
  const auto shown = std::chrono::steady_clock::now();
  CoverRendererUnderThePointer();
  const Window saver = platform::FindWindowByTitle(display(), kSaverTitle);
  XWindowAttributes attributes{};
  EXPECT_TRUE(saver != 0 && XGetWindowAttributes(display(), saver, &attributes) != 0 &&
              attributes.map_state == IsUnmapped) << "no hidden saver window";
  EXPECT_EQ(ReadBytes(PaletteFile()).size(), 3126u);
  EXPECT_EQ(ReadBytes(PaletteFile()), host::PaletteRampBmpFile());

  // Any further start ends at once and opens, writes or starts nothing.
  const auto palette = FileIdentity(PaletteFile());
  const Window parent = CreateParent(152, 112);
  for (const Arguments& arguments : {Arguments{"/s"}, Arguments{}, Arguments{"/c"}, Arguments{"/a"},
                                     Arguments{"/p", std::to_string(parent)}}) {
    EXPECT_EQ(Start(arguments)->WaitForExit(kHangGuard), 0) << ::testing::PrintToString(arguments);
  }
  EXPECT_EQ(FileIdentity(PaletteFile()), palette) << "a second run rewrote the palette";
  EXPECT_EQ(WaitForChild(display(), parent, 300ms), 0u) << "a preview opened beside the saver";
  EXPECT_FALSE(session_->Exists(kDialogTitle));
  EXPECT_FALSE(session_->Exists(kMessageTitle));
  EXPECT_FALSE(PointerVisible()) << "the pointer shows during the run";

  std::this_thread::sleep_until(shown + 2500ms);
  PressKeyIn(renderer, "Escape");
  EXPECT_TRUE(session_->WaitForNoWindow(kRendererTitle, kHangGuard)) << "the renderer did not take the Escape";
  // The watch looks twice a second; the guard only catches a hang.
  ASSERT_EQ(host->WaitForExit(kHangGuard), 0);
  EXPECT_FALSE(session_->Exists(kSaverTitle));
  EXPECT_TRUE(PointerVisible()) << "the pointer stayed hidden after the run";
  const std::vector<std::uint8_t> sound = ReadBytes(SoundFile());
  EXPECT_GT(SoundingSpan(sound), 1.5) << "the music did not keep playing";
  std::this_thread::sleep_for(300ms);
  EXPECT_EQ(ReadBytes(SoundFile()).size(), sound.size()) << "sound went on after the run";
}

TEST_F(HostProgram, EmptyCommandLineLeavesThePointerAloneAndEndsOnSigterm) {
  const auto host = Start({});
  ASSERT_NE(session_->WaitForWindow(kRendererTitle, kHangGuard), 0u);
  CoverRendererUnderThePointer();
  EXPECT_TRUE(PointerVisible());
  kill(host->pid(), SIGTERM);
  EXPECT_EQ(host->WaitForExit(kHangGuard), 0) << "SIGTERM must run the ordinary run end";
  EXPECT_FALSE(session_->Exists(kSaverTitle));
  EXPECT_TRUE(session_->Exists(kRendererTitle)) << "the host never closes the renderer";
}

TEST_F(HostProgram, XServerGoingAwayEndsTheRun) {
  const auto host = Start({"/s"});
  ASSERT_NE(session_->WaitForWindow(kRendererTitle, kHangGuard), 0u);
  session_.reset();
  server_.Stop();
  EXPECT_EQ(host->WaitForExit(kHangGuard), 0) << "the host must end cleanly when its X server goes";
}

TEST_F(HostProgram, OpenSettingsDialogBlocksEveryOtherStart) {
  const auto dialog = Start({"/c"});
  ASSERT_NE(session_->WaitForWindow(kDialogTitle, kHangGuard), 0u);
  for (const char* mode : {"/s", "/c", "/p 1"}) EXPECT_EQ(Start({mode})->WaitForExit(kHangGuard), 0) << mode;
  EXPECT_FALSE(session_->Exists(kRendererTitle));
  EXPECT_FALSE(session_->Exists(kSaverTitle));
  EXPECT_FALSE(fs::exists(PaletteFile()));
}

TEST_F(HostProgram, WithoutTheRendererSaverSettingsAndOtherModesShowTheMessage) {
  fs::remove(host_ + "/Blazemere.dll");
  for (const char* mode : {"/s", "/c", "/a"}) {
    SCOPED_TRACE(mode);
    const auto host = Start({mode});
    const Window box = session_->WaitForWindow(kMessageTitle, kHangGuard);
    ASSERT_NE(box, 0u);
    EXPECT_FALSE(session_->Exists(kSaverTitle));
    EXPECT_FALSE(session_->Exists(kDialogTitle));
    EXPECT_FALSE(fs::exists(PaletteFile()));
    EXPECT_TRUE(fs::is_directory(root_ + "/data/blazemere/drive_c/k_vorn")) << "palette folder made first";
    PressKeyIn(box, "Return");
    EXPECT_EQ(host->WaitForExit(kHangGuard), 0) << "the host ends once the message is dismissed";
    EXPECT_FALSE(session_->Exists(kRendererTitle));
  }
}

// Previews run without the renderer beside the host: they never need it.
TEST_F(HostProgram, PreviewCoversItsParentAndEndsWithIt) {
  fs::remove(host_ + "/Blazemere.dll");
  for (const Arguments& arguments :
       {Arguments{"/p", "0"}, Arguments{"/p"}, Arguments{"/p", "123456789"}, Arguments{"/p:abc"}}) {
    ExpectSilentEnd(arguments);
  }
  const auto still = platform::DecodeJpeg(resources::PreviewStillJpeg());
  ASSERT_TRUE(still);
  for (const auto& [width, height] : {std::pair{152, 112}, std::pair{300, 200}}) {
    SCOPED_TRACE(std::to_string(width) + "x" + std::to_string(height));
    const Window parent = CreateParent(width, height);
    const auto host = Start({"/p", std::to_string(parent)});
    const Window preview = WaitForChild(display(), parent, kHangGuard);
    ASSERT_NE(preview, 0u);
    XWindowAttributes attributes{};
    XGetWindowAttributes(display(), preview, &attributes);
    EXPECT_EQ(std::vector({attributes.x, attributes.y, attributes.width, attributes.height, attributes.border_width}),
              std::vector({0, 0, width, height, 0}));
    std::this_thread::sleep_for(300ms);  // let it paint
    const RgbImage shown = session_->CaptureWindow(parent);
    ASSERT_EQ(shown.pixels.size(), static_cast<std::size_t>(width * height * 3));
    if (width == still->width && height == still->height) {
      EXPECT_EQ(shown.pixels, still->pixels) << "the still is not shown pixel for pixel";
    }
    int parentPixels = 0;
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) parentPixels += shown.At(x, y) == kParentColour;
    }
    EXPECT_EQ(parentPixels, 0) << "the parent shows through the preview";
    XDestroyWindow(display(), parent);
    XSync(display(), False);
    EXPECT_EQ(host->WaitForExit(kHangGuard), 0) << "the preview ends with its parent";
  }
}

}  // namespace
}  // namespace blazemere::testing
