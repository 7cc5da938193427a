// Blazemere.scr started as a user (or the desktop) starts it, with the real
// renderer Blazemere.dll beside it, each test on an X server of its own whose
// framebuffer shows the software-drawn pointer.
#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <thread>

#include "common/palette_ramp.h"
#include "host/resources/preview/preview_pictures.h"
#include "platform/files/files.h"
#include "platform/jpeg/jpeg_decode.h"
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

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
  const std::string bytes = platform::ReadWholeFile(path).value_or("");
  return {bytes.begin(), bytes.end()};
}

bool IsShown(Display* display, Window window) {
  XWindowAttributes attributes{};
  return XGetWindowAttributes(display, window, &attributes) != 0 && attributes.map_state == IsViewable;
}

// The first child of `parent` once it is shown (titled, sized, about to paint).
Window WaitForChild(Display* display, Window parent, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  do {
    Window root = 0, up = 0, *children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display, parent, &root, &up, &children, &count) != 0 && count > 0) {
      const Window child = children[0];
      XFree(children);
      if (IsShown(display, child)) return child;
    }
    std::this_thread::sleep_for(10ms);
  } while (std::chrono::steady_clock::now() < deadline);
  return 0;
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
    return StartProgram(host_ + "/Blazemere.scr", arguments);
  }
  // Any program (a shell that sets a limit first) with this test's user.
  std::unique_ptr<ChildProcess> StartProgram(const std::string& program, const Arguments& arguments) const {
    return std::make_unique<ChildProcess>(
        program, arguments,
        std::map<std::string, std::string>{{"HOME", root_ + "/home"}, {"XDG_DATA_HOME", root_ + "/data"},
                                           {"XDG_CONFIG_HOME", root_ + "/config"}, {"SDL_AUDIODRIVER", "disk"},
                                           {"SDL_DISKAUDIOFILE", root_ + "/sound.raw"}});
  }
  // Ends at once, shows no message and starts no renderer.
  void ExpectSilentEnd(const Arguments& arguments) {
    SCOPED_TRACE(::testing::PrintToString(arguments));
    EXPECT_EQ(Start(arguments)->WaitForExit(kHangGuard), 0);
    EXPECT_FALSE(session_->Exists(kMessageTitle));
    EXPECT_FALSE(session_->Exists(kRendererTitle));
  }
  std::string PaletteFile() const { return root_ + "/data/blazemere/drive_c/k_vorn/Blazemere.bmp"; }
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
  Window CreateParent(unsigned width, unsigned height) {
    const Window window = XCreateSimpleWindow(display(), DefaultRootWindow(display()), 40, 30, width, height, 0, 0,
                                              kParentColour);
    XMapWindow(display(), window);
    XSync(display(), False);
    return window;
  }

  // Keys go to a window once it is shown.
  void PressKeyIn(Window window, const std::string& key) {
    for (int i = 0; i < 500 && !IsShown(display(), window); ++i) std::this_thread::sleep_for(10ms);
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
      const auto variables = ReadBytes(entry.path() / "environ");  // each one ends in a NUL
      if (std::string(variables.begin(), variables.end()).find(home + '\0') != std::string::npos) {
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

// The run starts on a desktop where another program holds the keyboard and
// named pipes sit where the settings file and the palette go: the settings
// read as missing, the palette replaces its pipe, neither blocks, and Escape
// typed as a user types it ends everything.
TEST_F(HostProgram, SaverRunFromStartToEscape) {
  ASSERT_EQ(mkfifo((host_ + "/Blazemere.ini").c_str(), 0600), 0);
  ExpectSilentEnd({"/a"});
  ASSERT_TRUE(PointerVisible());
  fs::create_directories(fs::path(PaletteFile()).parent_path());
  ASSERT_EQ(mkfifo(PaletteFile().c_str(), 0600), 0);
  ASSERT_NE(session_->CreateFocusedWindow(), 0u);

  const auto host = Start({"/s"});
  const Window renderer = session_->WaitForWindow(kRendererTitle, kHangGuard);
  ASSERT_NE(renderer, 0u);
  CoverRendererUnderThePointer();
  const Window saver = session_->WaitForWindow(kSaverTitle, std::chrono::milliseconds(0));
  EXPECT_TRUE(saver != 0 && !IsShown(display(), saver)) << "no hidden saver window";
  EXPECT_TRUE(fs::is_regular_file(PaletteFile())) << "the pipe is still in the palette's place";
  EXPECT_EQ(ReadBytes(PaletteFile()).size(), 3126u);
  EXPECT_EQ(ReadBytes(PaletteFile()), PaletteRampBmpFile());

  // Any further start ends at once and opens, writes or starts nothing.
  const auto palette = fs::last_write_time(PaletteFile());
  const Window parent = CreateParent(152, 112);
  for (const Arguments& arguments : {Arguments{"/s"}, Arguments{}, Arguments{"/c"}, Arguments{"/a"},
                                     Arguments{"/p", std::to_string(parent)}}) {
    EXPECT_EQ(Start(arguments)->WaitForExit(kHangGuard), 0) << ::testing::PrintToString(arguments);
  }
  EXPECT_EQ(fs::last_write_time(PaletteFile()), palette) << "a second run rewrote the palette";
  EXPECT_EQ(WaitForChild(display(), parent, 300ms), 0u) << "a preview opened beside the saver";
  EXPECT_FALSE(session_->Exists(kDialogTitle));
  EXPECT_FALSE(session_->Exists(kMessageTitle));
  EXPECT_FALSE(PointerVisible()) << "the pointer shows during the run";

  EXPECT_TRUE(session_->WaitForFocus(renderer, kHangGuard)) << "the fire window did not take the keyboard";
  ASSERT_EQ(XDoTool({"key", "Escape"}), 0);
  EXPECT_TRUE(session_->WaitForNoWindow(kRendererTitle, kHangGuard)) << "the renderer did not take the Escape";
  // The watch looks twice a second; the guard only catches a hang.
  ASSERT_EQ(host->WaitForExit(kHangGuard), 0);
  EXPECT_FALSE(session_->Exists(kSaverTitle));
  EXPECT_TRUE(PointerVisible()) << "the pointer stayed hidden after the run";
}

// Without HOME (and XDG_* unset) the home folder comes from the password
// database; neither program writes where it happens to be started.
TEST_F(HostProgram, WithoutHomeNothingIsWrittenUnderTheWorkingFolder) {
  const std::string working = root_ + "/working";
  const Arguments withoutHome{"-u", "HOME", "-u", "XDG_DATA_HOME", "-u", "XDG_CONFIG_HOME", "-C", working};
  const std::pair<std::string, Arguments> rows[] = {{"/Blazemere.scr", {"/a"}}, {"/Blazemere.dll", {}}};
  for (const auto& [program, arguments] : rows) {
    SCOPED_TRACE(program);
    fs::remove_all(working);
    fs::create_directories(working);
    Arguments command = withoutHome;
    command.push_back(host_ + program);
    command.insert(command.end(), arguments.begin(), arguments.end());
    ChildProcess child("env", command);
    // The host ends; the renderer burns, or says that it found no palette:
    // either way it has done all its file work once its window shows.
    const auto deadline = std::chrono::steady_clock::now() + kHangGuard;
    while (child.IsRunning() && !session_->Exists(kRendererTitle) && !session_->Exists("Error") &&
           std::chrono::steady_clock::now() < deadline) {
      std::this_thread::sleep_for(10ms);
    }
    EXPECT_TRUE(std::chrono::steady_clock::now() < deadline) << "neither ended nor showed a window";
    EXPECT_TRUE(fs::is_empty(working)) << fs::directory_iterator(working)->path();
  }
}

// Under a file-size limit below the palette's size the palette cannot be
// written: the old one stays whole, nothing is left beside it, and the
// saver runs on as after any failed write.
TEST_F(HostProgram, PaletteWriteBeyondTheFileSizeLimitLeavesTheOldFile) {
  std::vector<std::uint8_t> old = PaletteRampBmpFile();
  old.back() ^= 0xFF;  // still a picture the renderer reads
  fs::create_directories(fs::path(PaletteFile()).parent_path());
  std::ofstream(PaletteFile(), std::ios::binary).write(reinterpret_cast<const char*>(old.data()),
                                                       static_cast<std::streamsize>(old.size()));
  // 1 KiB, a third of the palette.
  const auto host = StartProgram("sh", {"-c", "ulimit -f 1 && exec \"$0\" /s", host_ + "/Blazemere.scr"});
  const Window renderer = session_->WaitForWindow(kRendererTitle, kHangGuard);
  ASSERT_NE(renderer, 0u) << "no saver started";
  EXPECT_TRUE(host->IsRunning()) << "the host died writing";
  EXPECT_EQ(ReadBytes(PaletteFile()), old);
  EXPECT_EQ(std::distance(fs::directory_iterator(fs::path(PaletteFile()).parent_path()), fs::directory_iterator()), 1)
      << "a temporary file was left beside the palette";
  PressKeyIn(renderer, "Escape");
  EXPECT_EQ(host->WaitForExit(kHangGuard), 0);
}

// Idle watchers do start the saver twice. The server is held while both
// start, so each looks for the other's window at the same moment, and a
// large settings file keeps both from making theirs for a while after: the
// window titles alone cannot tell, yet exactly one saver runs.
TEST_F(HostProgram, TwoSimultaneousStartsGiveOneRun) {
  std::ofstream settings(host_ + "/Blazemere.ini");
  settings << "[Section]\n";
  for (int i = 0; i < 300000; ++i) settings << "k" << i << "=\n";
  settings.close();
  XGrabServer(display());
  XSync(display(), False);
  std::unique_ptr<ChildProcess> hosts[] = {Start({"/s"}), Start({"/s"})};
  std::this_thread::sleep_for(300ms);
  XUngrabServer(display());
  XSync(display(), False);

  const Window renderer = session_->WaitForWindow(kRendererTitle, kHangGuard);
  ASSERT_NE(renderer, 0u);
  const auto deadline = std::chrono::steady_clock::now() + kHangGuard;
  while (hosts[0]->IsRunning() && hosts[1]->IsRunning() && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(10ms);
  }
  std::this_thread::sleep_for(500ms);  // time for a second renderer to show
  EXPECT_EQ(hosts[0]->IsRunning() + hosts[1]->IsRunning(), 1) << "hosts running";
  EXPECT_EQ(session_->WindowsTitled(kRendererTitle).size(), 1u) << "fire windows";

  PressKeyIn(renderer, "Escape");
  for (auto& host : hosts) EXPECT_EQ(host->WaitForExit(kHangGuard), 0);
  EXPECT_TRUE(session_->WaitForNoWindow(kRendererTitle, kHangGuard)) << "a fire still burns";
}

// Whatever ends the host, the renderer burns on (it is the user's Escape
// that ends it); a signal runs the ordinary run end and status 0, where the
// signal on its own would kill the host. A killed host's hidden pointer
// comes back because XFixes hides it for the client's lifetime only, and an
// empty command line never touches the pointer at all.
TEST_F(HostProgram, SignalsEndTheRunAndThePointerComesBack) {
  const struct {
    Arguments arguments;
    int signal;
    std::optional<int> status;
  } rows[] = {{{}, SIGTERM, 0}, {{"/s"}, SIGINT, 0}, {{"/s"}, SIGHUP, 0}, {{"/s"}, SIGKILL, std::nullopt}};
  for (const auto& row : rows) {
    SCOPED_TRACE(::testing::Message() << strsignal(row.signal) << " " << ::testing::PrintToString(row.arguments));
    const auto host = Start(row.arguments);
    ASSERT_NE(session_->WaitForWindow(kRendererTitle, kHangGuard), 0u);
    CoverRendererUnderThePointer();
    EXPECT_EQ(PointerVisible(), row.arguments.empty()) << "pointer shown during the run";
    kill(host->pid(), row.signal);
    EXPECT_EQ(host->WaitForExit(kHangGuard), row.status);
    EXPECT_TRUE(session_->Exists(kRendererTitle)) << "the host closed the renderer";
    EXPECT_TRUE(PointerVisible()) << "the pointer stayed hidden";
    EndProgramsOfUser();
    ASSERT_TRUE(session_->WaitForNoWindow(kRendererTitle, kHangGuard));
  }
}

// The X server going away ends the run: its end runs and the host ends with
// status 0, where Xlib on its own would end it with 1.
TEST_F(HostProgram, RunEndsWhenTheXServerGoesAway) {
  auto doomed = std::make_unique<PrivateXvfb>("320x240");
  ASSERT_TRUE(doomed->ok());
  setenv("DISPLAY", doomed->display().c_str(), 1);
  auto watcher = std::make_unique<XSession>();
  const auto host = Start({"/s"});
  const bool burning = watcher->ok() && watcher->WaitForWindow(kRendererTitle, kHangGuard) != 0;
  watcher.reset();  // our own connection must not be the one that sees the server die
  setenv("DISPLAY", server_.display().c_str(), 1);
  ASSERT_TRUE(burning);
  doomed.reset();
  EXPECT_EQ(host->WaitForExit(kHangGuard), 0);
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
    PressKeyIn(box, "Return");
    EXPECT_EQ(host->WaitForExit(kHangGuard), 0) << "the host ends once the message is dismissed";
    EXPECT_FALSE(session_->Exists(kRendererTitle));
  }
}

// Previews run without the renderer beside the host: they never need it.
TEST_F(HostProgram, PreviewCoversItsParentAndEndsWithIt) {
  fs::remove(host_ + "/Blazemere.dll");
  for (const Arguments& arguments : {Arguments{"/p", "0"}, Arguments{"/p", "123456789"}}) ExpectSilentEnd(arguments);
  const auto still = platform::DecodeJpeg(resources::PreviewStillJpeg());
  ASSERT_TRUE(still);
  for (const auto& [width, height] : {std::pair{152, 112}, std::pair{300, 200}}) {
    SCOPED_TRACE(width);
    const Window parent = CreateParent(static_cast<unsigned>(width), static_cast<unsigned>(height));
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
    for (int i = 0; i < width * height; ++i) parentPixels += shown.At(i % width, i / width) == kParentColour;
    EXPECT_EQ(parentPixels, 0) << "the parent shows through the preview";
    XDestroyWindow(display(), parent);
    XSync(display(), False);
    EXPECT_EQ(host->WaitForExit(kHangGuard), 0) << "the preview ends with its parent";
  }
}

}  // namespace
}  // namespace blazemere::testing
