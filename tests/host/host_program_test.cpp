// Blazemere.scr started as a user (or the desktop) starts it, with the real
// renderer Blazemere.dll beside it, on a real X server.
#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iostream>
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

constexpr auto kHangGuard = 5s;
constexpr const char* kRendererTitle = "Blazemere_VC";
constexpr const char* kSaverTitle = "Blazemere_Main";
constexpr const char* kMessageTitle = "Blazemere (ScreenSaver)";

// A window that vanishes or is not shown yet must fail a check, not end the
// whole test program through Xlib's default error handler.
int IgnoreXError(Display*, XErrorEvent*) { return 0; }
const auto kPreviousXErrorHandler = XSetErrorHandler(IgnoreXError);

// Keys go to the renderer once it is shown.
void FocusForKeys(Display* display, Window window) {
  const auto deadline = std::chrono::steady_clock::now() + kHangGuard;
  XWindowAttributes attributes{};
  while (std::chrono::steady_clock::now() < deadline &&
         (XGetWindowAttributes(display, window, &attributes) == 0 || attributes.map_state != IsViewable)) {
    std::this_thread::sleep_for(10ms);
  }
  XSetInputFocus(display, window, RevertToPointerRoot, CurrentTime);
  XSync(display, False);
}

// A user of our own: home, data and config folders that start empty.
struct UserFolders {
  explicit UserFolders(const std::string& name) : root(MakeScratchFolder("user-" + name)) {
    for (const char* sub : {"/home", "/data", "/config"}) fs::create_directories(root + sub);
  }
  std::map<std::string, std::string> Environment(const std::string& display = "") const {
    std::map<std::string, std::string> env{
        {"HOME", root + "/home"}, {"XDG_DATA_HOME", root + "/data"}, {"XDG_CONFIG_HOME", root + "/config"}};
    if (!display.empty()) env["DISPLAY"] = display;
    return env;
  }
  std::string PaletteFile() const { return root + "/data/blazemere/drive_c/k_vorn/Blazemere.bmp"; }
  std::string root;
};

std::string HostPath() { return BinDir() + "/Blazemere.scr"; }

// Ends the programs started for `user` (found by their HOME), for renderers
// the host has left running by design.
void EndProgramsOf(const UserFolders& user) {
  const std::string home = "HOME=" + user.root + "/home";
  for (const auto& entry : fs::directory_iterator("/proc")) {
    const std::string name = entry.path().filename().string();
    if (name.find_first_not_of("0123456789") != std::string::npos) continue;
    std::ifstream in(entry.path() / "environ", std::ios::binary);
    const std::string environment((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (environment.find(home + '\0') != std::string::npos || environment.ends_with(home)) {
      kill(std::stoi(name), SIGKILL);
    }
  }
}

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Every window titled `title`, to see that a second start opened nothing.
int CountWindows(Display* display, Window root, const std::string& title) {
  int count = 0;
  char* name = nullptr;
  if (XFetchName(display, root, &name) != 0 && name != nullptr) {
    count += title == name;
    XFree(name);
  }
  Window rootReturn = 0;
  Window parent = 0;
  Window* children = nullptr;
  unsigned int childCount = 0;
  if (XQueryTree(display, root, &rootReturn, &parent, &children, &childCount) == 0) return count;
  for (unsigned int i = 0; i < childCount; ++i) count += CountWindows(display, children[i], title);
  if (children != nullptr) XFree(children);
  return count;
}

// A window of "another program" for the preview to sit in.
Window CreateParent(Display* display, int width, int height, unsigned long background) {
  const Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 40, 30,
                                            static_cast<unsigned>(width), static_cast<unsigned>(height), 0, 0,
                                            background);
  XMapWindow(display, window);
  XSync(display, False);
  return window;
}

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
      // Shown means ready: titled, sized and about to paint.
      if (XGetWindowAttributes(display, child, &attributes) != 0 && attributes.map_state == IsViewable) return child;
    }
    std::this_thread::sleep_for(10ms);
  } while (std::chrono::steady_clock::now() < deadline);
  return 0;
}

void PressEscapeInRenderer(XSession& session) {
  const Window renderer = session.WaitForWindow(kRendererTitle, kHangGuard);
  ASSERT_NE(renderer, 0u);
  FocusForKeys(session.display(), renderer);
  ASSERT_EQ(XDoTool({"key", "Escape"}), 0);
  EXPECT_TRUE(session.WaitForNoWindow(kRendererTitle, kHangGuard)) << "the renderer did not take the Escape";
}

// Inode and modification time: a rewrite (always a new file) changes both.
std::pair<ino_t, std::int64_t> FileIdentity(const std::string& path) {
  struct stat info {};
  if (stat(path.c_str(), &info) != 0) return {0, 0};
  return {info.st_ino, std::int64_t{info.st_mtim.tv_sec} * 1000000000 + info.st_mtim.tv_nsec};
}

TEST(HostProgram, SaverRunFromStartToEscape) {
  XSession session;
  ASSERT_TRUE(session.ok());
  const UserFolders user("saver-run");
  ChildProcess host(HostPath(), {"/s"}, user.Environment());
  ASSERT_NE(session.WaitForWindow(kRendererTitle, kHangGuard), 0u);
  EXPECT_TRUE(session.Exists(kSaverTitle));
  EXPECT_EQ(ReadBytes(user.PaletteFile()), host::PaletteRampBmpFile());
  EXPECT_EQ(ReadBytes(user.PaletteFile()).size(), 3126u);

  // Any further start ends at once and opens, writes or starts nothing.
  // (The running renderer may still be reading the palette file.)
  const auto palette = FileIdentity(user.PaletteFile());
  const Window parent = CreateParent(session.display(), 152, 112, 0xFF00FF);
  for (const std::vector<std::string>& arguments :
       std::vector<std::vector<std::string>>{{"/s"}, {}, {"/c"}, {"/a"}, {"/p", std::to_string(parent)}}) {
    const std::string line = arguments.empty() ? "(empty)" : arguments[0];
    ChildProcess second(HostPath(), arguments, user.Environment());
    EXPECT_EQ(second.WaitForExit(kHangGuard), 0) << line;
  }
  EXPECT_EQ(FileIdentity(user.PaletteFile()), palette);
  EXPECT_EQ(CountWindows(session.display(), DefaultRootWindow(session.display()), kRendererTitle), 1);
  EXPECT_EQ(CountWindows(session.display(), DefaultRootWindow(session.display()), kSaverTitle), 1);
  EXPECT_EQ(WaitForChild(session.display(), parent, 300ms), 0u) << "a preview opened beside the saver";
  EXPECT_FALSE(session.Exists(kMessageTitle));
  XDestroyWindow(session.display(), parent);

  PressEscapeInRenderer(session);
  // The watch looks twice a second; the guard only catches a hang.
  EXPECT_EQ(host.WaitForExit(kHangGuard), 0);
  EXPECT_FALSE(session.Exists(kSaverTitle));
}

// Seconds between the first and the last sound in SDL's disk output
// (signed 16-bit stereo at 44.1 kHz).
double SoundingSpan(const std::vector<std::uint8_t>& output) {
  constexpr std::size_t kFrame = 4;
  std::size_t first = 0;
  std::size_t last = 0;
  bool any = false;
  for (std::size_t offset = 0; offset + kFrame <= output.size(); offset += kFrame) {
    const auto left = static_cast<std::int16_t>(output[offset] | output[offset + 1] << 8);
    if (left > 100 || left < -100) {
      if (!any) first = offset;
      last = offset;
      any = true;
    }
  }
  return any ? static_cast<double>(last - first) / kFrame / 44100.0 : 0.0;
}

// The music steps of the run: a half-second file keeps sounding for the whole
// run (a looped WAV, an MP3 restarted by the one-second timer) and stops with
// the run's end.
TEST(HostProgram, MusicPlaysThroughTheRunAndStopsAtItsEnd) {
  XSession session;
  ASSERT_TRUE(session.ok());
  for (const char* kind : {"wav", "mp3"}) {
    SCOPED_TRACE(kind);
    const UserFolders user(std::string("music-") + kind);
    const std::string folder = MakeScratchFolder(std::string("music-host-") + kind);
    for (const char* program : {"/Blazemere.scr", "/Blazemere.dll"}) fs::copy_file(BinDir() + program, folder + program);
    const std::string song = folder + "/tone." + kind;
    ASSERT_EQ(RunCommand({"sox", "-n", "-r", "44100", "-c", "2", song, "synth", "0.5", "sine", "440"}), 0);
    std::ofstream(folder + "/Blazemere.ini") << "[Section]\nBGM区分= 2\nBGMﾘﾋﾟｰﾄ= 0\nBGMﾌｧｲﾙ=" << song << "\n";
    const std::string output = folder + "/sound.raw";
    auto environment = user.Environment();
    environment["SDL_AUDIODRIVER"] = "disk";
    environment["SDL_DISKAUDIOFILE"] = output;

    ChildProcess host(folder + "/Blazemere.scr", {"/s"}, environment);
    ASSERT_NE(session.WaitForWindow(kRendererTitle, kHangGuard), 0u);
    std::this_thread::sleep_for(2500ms);
    PressEscapeInRenderer(session);
    ASSERT_EQ(host.WaitForExit(kHangGuard), 0);
    const std::vector<std::uint8_t> sound = ReadBytes(output);
    EXPECT_GT(SoundingSpan(sound), 1.5) << "the music did not keep playing";
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(ReadBytes(output).size(), sound.size()) << "sound went on after the run";
  }
}

// The pointer during and after a run, read from the server's framebuffer.
class HostPointer : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(server_.ok());
    display_ = XOpenDisplay(server_.display().c_str());
    ASSERT_NE(display_, nullptr);
    // A corner where the fire's square does not reach.
    XWarpPointer(display_, None, DefaultRootWindow(display_), 0, 0, 0, 0, 8, 8);
    XSync(display_, False);
    std::this_thread::sleep_for(100ms);
    ASSERT_TRUE(PointerVisible());
  }
  void TearDown() override {
    if (display_ != nullptr) XCloseDisplay(display_);
  }
  // The classic pointer at (8, 8) has some 90 pixels on screen; a few stray
  // ones come from the fire changing while we look.
  bool PointerVisible() const {
    const int pixels = server_.PointerPixels(0, 0, 32, 32);
    return pixels > 24;
  }
  Window WaitForRenderer() const {
    const auto deadline = std::chrono::steady_clock::now() + kHangGuard;
    while (std::chrono::steady_clock::now() < deadline) {
      if (const Window w = platform::FindWindowByTitle(display_, kRendererTitle); w != 0) return w;
      std::this_thread::sleep_for(10ms);
    }
    return 0;
  }
  void EndRendererWithEscape() {
    const Window renderer = WaitForRenderer();
    ASSERT_NE(renderer, 0u);
    FocusForKeys(display_, renderer);
    ChildProcess key("xdotool", {"key", "Escape"}, {{"DISPLAY", server_.display()}});
    ASSERT_EQ(key.WaitForExit(kHangGuard), 0);
  }

  PrivateXvfb server_{"320x240"};
  Display* display_ = nullptr;
};

TEST_F(HostPointer, HiddenDuringSaverRunAndShownAfter) {
  const UserFolders user("pointer-s");
  ChildProcess host(HostPath(), {"/s"}, user.Environment(server_.display()));
  ASSERT_NE(WaitForRenderer(), 0u);
  std::this_thread::sleep_for(300ms);
  EXPECT_FALSE(PointerVisible());
  EndRendererWithEscape();
  ASSERT_EQ(host.WaitForExit(kHangGuard), 0);
  std::this_thread::sleep_for(200ms);
  EXPECT_TRUE(PointerVisible());
}

TEST_F(HostPointer, EmptyCommandLineLeavesThePointerAlone) {
  const UserFolders user("pointer-empty");
  ChildProcess host(HostPath(), {}, user.Environment(server_.display()));
  ASSERT_NE(WaitForRenderer(), 0u);
  EndRendererWithEscape();
  ASSERT_EQ(host.WaitForExit(kHangGuard), 0);
  std::this_thread::sleep_for(200ms);
  EXPECT_TRUE(PointerVisible());
}

TEST_F(HostPointer, TerminatedHostEndsTheRunAndLeavesTheRenderer) {
  const UserFolders user("pointer-term");
  ChildProcess host(HostPath(), {"/s"}, user.Environment(server_.display()));
  ASSERT_NE(WaitForRenderer(), 0u);
  kill(host.pid(), SIGTERM);
  EXPECT_EQ(host.WaitForExit(kHangGuard), 0) << "SIGTERM must run the ordinary run end";
  EXPECT_NE(platform::FindWindowByTitle(display_, kRendererTitle), 0u) << "the host never closes the renderer";
  EndRendererWithEscape();
}

TEST_F(HostPointer, XServerGoingAwayEndsTheRun) {
  const UserFolders user("server-gone");
  ChildProcess host(HostPath(), {"/s"}, user.Environment(server_.display()));
  ASSERT_NE(WaitForRenderer(), 0u);
  XCloseDisplay(display_);
  display_ = nullptr;
  server_.Stop();
  EXPECT_EQ(host.WaitForExit(kHangGuard), 0) << "the host must end cleanly when its X server goes";
  EndProgramsOf(user);  // the renderer does not always notice its server going
}

class HostWithoutRenderer : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = MakeScratchFolder("host-alone");
    fs::copy_file(HostPath(), folder_ + "/Blazemere.scr");
    ASSERT_TRUE(session_.ok());
  }
  std::string folder_;
  XSession session_;
};

TEST_F(HostWithoutRenderer, SaverSettingsAndOtherModesShowTheMessage) {
  for (const char* mode : {"/s", "/c", "/a"}) {
    SCOPED_TRACE(mode);
    const UserFolders user(std::string("alone") + mode[1]);
    ChildProcess host(folder_ + "/Blazemere.scr", {mode}, user.Environment());
    const Window box = session_.WaitForWindow(kMessageTitle, kHangGuard);
    ASSERT_NE(box, 0u);
    EXPECT_FALSE(session_.Exists(kSaverTitle));
    EXPECT_FALSE(session_.Exists("<Blazemere>"));
    EXPECT_FALSE(fs::exists(user.PaletteFile()));
    EXPECT_TRUE(fs::is_directory(user.root + "/data/blazemere/drive_c/k_vorn")) << "palette folder made first";
    FocusForKeys(session_.display(), box);
    ASSERT_EQ(XDoTool({"key", "Return"}), 0);
    EXPECT_EQ(host.WaitForExit(kHangGuard), 0) << "the host ends once the message is dismissed";
    EXPECT_FALSE(session_.Exists(kRendererTitle));
  }
}

TEST_F(HostWithoutRenderer, PreviewStillWorks) {
  const Window parent = CreateParent(session_.display(), 152, 112, 0xFF00FF);
  const UserFolders user("alone-preview");
  ChildProcess host(folder_ + "/Blazemere.scr", {"/p", std::to_string(parent)}, user.Environment());
  EXPECT_NE(WaitForChild(session_.display(), parent, kHangGuard), 0u);
  EXPECT_FALSE(session_.Exists(kMessageTitle));
  XDestroyWindow(session_.display(), parent);
  XSync(session_.display(), False);
  EXPECT_EQ(host.WaitForExit(kHangGuard), 0);
}

TEST(HostProgram, OpenSettingsDialogBlocksEveryOtherStart) {
  XSession session;
  ASSERT_TRUE(session.ok());
  const UserFolders user("dialog-open");
  ChildProcess dialog(HostPath(), {"/c"}, user.Environment());
  ASSERT_NE(session.WaitForWindow("<Blazemere>", kHangGuard), 0u);
  for (const char* mode : {"/s", "/c", "/p 1"}) {
    ChildProcess second(HostPath(), {mode}, user.Environment());
    EXPECT_EQ(second.WaitForExit(kHangGuard), 0) << mode;
  }
  EXPECT_FALSE(session.Exists(kRendererTitle));
  EXPECT_FALSE(session.Exists(kSaverTitle));
  EXPECT_FALSE(fs::exists(user.PaletteFile()));
}

TEST(HostProgram, OtherSwitchEndsSilently) {
  XSession session;
  const UserFolders user("switch-a");
  ChildProcess host(HostPath(), {"/a"}, user.Environment());
  EXPECT_EQ(host.WaitForExit(kHangGuard), 0);
  EXPECT_FALSE(session.Exists(kMessageTitle));
  EXPECT_FALSE(session.Exists(kRendererTitle));
}

struct ShownPreview {
  std::unique_ptr<ChildProcess> host;
  Window parent = 0;
  Window preview = 0;
  std::string title;
  RgbImage pixels;  // the parent's area as the screen shows it
};

class HostPreview : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(session_.ok()); }
  ShownPreview Show(int width, int height) {
    ShownPreview shown;
    shown.parent = CreateParent(session_.display(), width, height, 0xFF00FF);
    shown.host = std::make_unique<ChildProcess>(HostPath(), std::vector<std::string>{"/p", std::to_string(shown.parent)},
                                                user_.Environment());
    shown.preview = WaitForChild(session_.display(), shown.parent, kHangGuard);
    if (shown.preview == 0) return shown;
    char* name = nullptr;
    XFetchName(session_.display(), shown.preview, &name);
    shown.title = name != nullptr ? name : "";
    if (name != nullptr) XFree(name);
    std::this_thread::sleep_for(300ms);  // let it paint
    shown.pixels = session_.CaptureWindow(shown.parent);
    return shown;
  }
  void DestroyParentAndExpectHostGone(ShownPreview& shown) {
    XDestroyWindow(session_.display(), shown.parent);
    XSync(session_.display(), False);
    EXPECT_EQ(shown.host->WaitForExit(kHangGuard), 0) << "the preview ends with its parent";
  }
  XSession session_;
  UserFolders user_{"preview"};
};

TEST_F(HostPreview, ShowsTheStillPixelForPixel) {
  ShownPreview shown = Show(152, 112);
  ASSERT_NE(shown.preview, 0u);
  EXPECT_EQ(shown.title, "Preview Window");
  const auto still = platform::DecodeJpeg(resources::PreviewStillJpeg());
  ASSERT_TRUE(still);
  ASSERT_EQ(shown.pixels.width, 152);
  ASSERT_EQ(shown.pixels.height, 112);
  EXPECT_EQ(shown.pixels.pixels, still->pixels);
  DestroyParentAndExpectHostGone(shown);
}

TEST_F(HostPreview, CoversAParentOfAnotherSize) {
  ShownPreview shown = Show(300, 200);
  ASSERT_NE(shown.preview, 0u);
  XWindowAttributes attributes{};
  XGetWindowAttributes(session_.display(), shown.preview, &attributes);
  EXPECT_EQ(attributes.x, 0);
  EXPECT_EQ(attributes.y, 0);
  EXPECT_EQ(attributes.width, 300);
  EXPECT_EQ(attributes.height, 200);
  EXPECT_EQ(attributes.border_width, 0);
  int parentPixels = 0;
  for (int y = 0; y < shown.pixels.height; ++y) {
    for (int x = 0; x < shown.pixels.width; ++x) parentPixels += shown.pixels.At(x, y) == 0xFF00FF;
  }
  EXPECT_EQ(parentPixels, 0) << "the parent shows through the preview";
  DestroyParentAndExpectHostGone(shown);
}

TEST(HostProgram, PreviewWithoutAWindowEndsAtOnce) {
  const UserFolders user("preview-none");
  for (const std::vector<std::string>& arguments : std::vector<std::vector<std::string>>{
           {"/p", "0"}, {"/p"}, {"/p", "123456789"}, {"/p:abc"}}) {
    ChildProcess host(HostPath(), arguments, user.Environment());
    EXPECT_EQ(host.WaitForExit(kHangGuard), 0) << (arguments.size() > 1 ? arguments[1] : arguments[0]);
  }
}

}  // namespace
}  // namespace blazemere::testing
