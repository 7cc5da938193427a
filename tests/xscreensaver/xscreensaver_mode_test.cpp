// The display mode under the real XScreenSaver, on an X server of the
// test's own with two monitors side by side (RandR monitors on one screen),
// installed as a user installs it and run by XScreenSaver as an ordinary
// user (it launches no display mode for root): each monitor gets its own
// fire, one of the savers plays the music through SDL's disk driver, and
// deactivating ends every process of ours and the music; a second
// activation does it all again. A settings panel's preview burns without a
// sound. The standalone saver on the same two monitors still covers the
// whole screen.
//
// It prints how long things took; tools/measure-xscreensaver.sh collects
// those lines over several rounds.
#include <gtest/gtest.h>

#include <dirent.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <X11/Xlib.h>

#include <algorithm>
#include <array>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <iostream>
#include <thread>

#include "common/ppm.h"
#include "platform/files/files.h"
#include "tests/music/audio_fixtures.h"
#include "tests/support/child_process.h"
#include "tests/support/private_xvfb.h"
#include "tests/support/x_session.h"

namespace blazemere::testing {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kMonitorWidth = 800;
constexpr int kHeight = 600;
constexpr auto kHangGuard = 10s;
// How soon things happen is what the measuring script reports; here they
// only have to happen, with room for a loaded machine.
constexpr double kLatestStopSeconds = 2.0;
constexpr double kTone = 440;

long long MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

// Share of the pixels in the fire's colours: full red, no blue (the ramp
// runs from red to yellow; XScreenSaver's black and a white square fail).
double FireShare(const RgbImage& image) {
  if (image.pixels.empty()) return 0;
  int fire = 0;
  for (std::size_t i = 0; i + 2 < image.pixels.size(); i += 3) {
    fire += image.pixels[i] >= 200 && image.pixels[i + 2] <= 60;
  }
  return fire * 3.0 / static_cast<double>(image.pixels.size());
}

std::string LinkTarget(const std::string& path) {
  std::error_code error;
  const fs::path target = fs::read_symlink(path, error);
  return error ? std::string() : target.string();
}

struct Process {
  pid_t pid;
  std::string program;  // "Blazemere.scr" or "Blazemere.dll"
};

// The user XScreenSaver runs as: "nobody" when the test runs as root.
struct User {
  uid_t uid;
  gid_t gid;
};

User RunAs() {
  if (geteuid() != 0) return {getuid(), getgid()};
  const passwd* nobody = getpwnam("nobody");
  return nobody != nullptr ? User{nobody->pw_uid, nobody->pw_gid} : User{65534, 65534};
}

class XScreenSaverMode : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(server_.ok());
    setenv("DISPLAY", server_.display().c_str(), 1);
    // Two monitors on the one screen, as RandR reports a side-by-side pair.
    ASSERT_EQ(RunCommand({"xrandr", "--setmonitor", "LEFT", "800/211x600/158+0+0", "screen"}), 0);
    ASSERT_EQ(RunCommand({"xrandr", "--setmonitor", "RIGHT", "800/211x600/158+800+0", "none"}), 0);
    session_ = std::make_unique<XSession>();
    ASSERT_TRUE(session_->ok());

    // The installed programs in a folder the user may read but not write,
    // outside the build tree, which that user may not be able to enter.
    char pattern[] = "/tmp/blazemere-xscreensaver-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    root_ = pattern;
    chmod(root_.c_str(), 0755);
    for (const char* sub : {"/bin", "/lib/blazemere", "/music"}) fs::create_directories(root_ + sub);
    for (const char* program : {"/Blazemere.scr", "/Blazemere.dll"}) {
      fs::copy_file(BinDir() + program, root_ + "/lib/blazemere" + program);
    }
    fs::copy_file(BLAZEMERE_LAUNCHER, Launcher());
    chmod(Launcher().c_str(), 0755);
    WriteWav(root_ + "/music/fire.wav", Tone(kTone, 1.0));
    std::ofstream(root_ + "/lib/blazemere/Blazemere.ini")
        << "[Section]\nBGM区分=2\nBGMﾘﾋﾟｰﾄ=0\nBGMﾌｧｲﾙ=" << root_ << "/music/fire.wav\n";
    for (const auto& entry : fs::recursive_directory_iterator(root_)) {
      struct stat info {};
      const bool enterable = stat(entry.path().c_str(), &info) == 0 && (info.st_mode & S_IXUSR) != 0;
      chmod(entry.path().c_str(), enterable ? 0755 : 0644);
    }

    // The user's own folders.
    home_ = root_ + "/home";
    for (const char* sub : {"", "/run", "/.config", "/.local", "/.local/share"}) {
      fs::create_directories(home_ + sub);
      chmod((home_ + sub).c_str(), 0700);
      ASSERT_EQ(chown((home_ + sub).c_str(), user_.uid, user_.gid), 0);
    }
    std::ofstream(home_ + "/.xscreensaver") << "mode: one\nselected: 0\nlock: False\nsplash: False\nfade: False\n"
                                               "unfade: False\ncycle: 0:00:00\ntimeout: 1:00:00\ndpmsEnabled: False\n"
                                               "programs: GL: "
                                            << Launcher() << " --xscreensaver \\n\\\n\n";
    chown((home_ + "/.xscreensaver").c_str(), user_.uid, user_.gid);
  }

  void TearDown() override {
    if (daemon_) {
      RunCommand({"xscreensaver-command", "-exit"});
      if (!daemon_->WaitForExit(5s)) daemon_->Kill();
    }
    for (const Process& process : OurProcesses()) kill(process.pid, SIGKILL);
    if (!root_.empty()) fs::remove_all(root_);
  }

  std::string Launcher() const { return root_ + "/bin/blazemere"; }
  // The user's folders and SDL's sound going to a file, for programs the
  // test starts itself.
  std::map<std::string, std::string> UserEnvironment() const {
    return {{"HOME", home_}, {"XDG_DATA_HOME", home_ + "/.local/share"}, {"XDG_CONFIG_HOME", home_ + "/.config"},
            {"XDG_RUNTIME_DIR", home_ + "/run"}, {"SDL_AUDIODRIVER", "disk"}, {"SDL_DISKAUDIOFILE", HeardFile()}};
  }
  std::string HeardFile() const { return home_ + "/heard.raw"; }

  // XScreenSaver as the user, with nothing of our environment but what a
  // session would give it, and SDL's sound going to a file.
  void StartXScreenSaver() {
    std::vector<std::string> command;
    if (geteuid() == 0) {
      command = {"--reuid=" + std::to_string(user_.uid), "--regid=" + std::to_string(user_.gid), "--clear-groups",
                 "env"};
    }
    command.insert(command.end(), {"-i", "DISPLAY=" + server_.display(), "PATH=/usr/local/bin:/usr/bin:/bin",
                                   "LANG=C.UTF-8"});
    for (const auto& [key, value] : UserEnvironment()) command.push_back(key + "=" + value);
    command.insert(command.end(), {"xscreensaver", "-no-splash", "-verbose", "-log", home_ + "/xscreensaver.log"});
    daemon_ = std::make_unique<ChildProcess>(geteuid() == 0 ? "setpriv" : "env", command);
    const auto deadline = Clock::now() + kHangGuard;
    while (RunCommand({"xscreensaver-command", "-version"}) != 0) {
      ASSERT_TRUE(daemon_->IsRunning()) << daemon_->StandardError();
      ASSERT_LT(Clock::now(), deadline) << "XScreenSaver did not answer";
      std::this_thread::sleep_for(50ms);
    }
  }

  std::string Log() const { return platform::ReadWholeFile(home_ + "/xscreensaver.log").value_or("(no log)"); }

  // Our programs that still run (a zombie has no program any more).
  std::vector<Process> OurProcesses() const {
    std::vector<Process> found;
    if (root_.empty()) return found;
    const std::string folder = root_ + "/lib/blazemere/";
    for (const auto& entry : fs::directory_iterator("/proc")) {
      const std::string name = entry.path().filename().string();
      if (name.find_first_not_of("0123456789") != std::string::npos) continue;
      const std::string program = LinkTarget(entry.path() / "exe");
      if (program.starts_with(folder)) found.push_back({std::stoi(name), program.substr(folder.size())});
    }
    return found;
  }
  long Count(const std::string& program) const {
    const auto processes = OurProcesses();
    return std::count_if(processes.begin(), processes.end(), [&](const Process& p) { return p.program == program; });
  }
  // Hosts that hold the sound file open: those playing the music.
  int Players() const {
    int players = 0;
    for (const Process& process : OurProcesses()) {
      const std::string fds = "/proc/" + std::to_string(process.pid) + "/fd";
      std::error_code error;
      for (const auto& fd : fs::directory_iterator(fds, error)) {
        players += LinkTarget(fd.path().string()) == HeardFile();
      }
    }
    return players;
  }

  // Share of a monitor in the fire's colours now.
  double MonitorFire(int monitor) {
    return FireShare(session_->Capture(monitor * kMonitorWidth, 0, kMonitorWidth, kHeight));
  }

  // True once each monitor has been seen burning all over, not necessarily
  // at the same moment: the monitors' fires start apart, and a fire that
  // has zoomed out leaves black around it.
  bool BothMonitorsBurned(std::array<bool, 2>& seen) {
    for (int monitor = 0; monitor < 2; ++monitor) seen[monitor] = seen[monitor] || MonitorFire(monitor) >= 0.9;
    return seen[0] && seen[1];
  }

  // The renderers' windows: one on each monitor, each the monitor's size.
  std::vector<WindowGeometry> FireWindows() {
    std::vector<WindowGeometry> windows;
    for (const Window window : session_->WindowsTitled("Blazemere_VC (embedded)")) {
      windows.push_back(session_->Geometry(window));
    }
    std::sort(windows.begin(), windows.end(), [](const auto& a, const auto& b) { return a.x < b.x; });
    return windows;
  }

  // One activation: fire on both monitors, the music from one saver; then
  // the deactivation: no process of ours left, the music stopped.
  void ActivateAndDeactivate(int round) {
    SCOPED_TRACE("activation " + std::to_string(round));
    fs::remove(HeardFile());
    const auto activated = Clock::now();
    ASSERT_EQ(RunCommand({"xscreensaver-command", "-activate"}), 0);
    std::array<bool, 2> seen{};
    while (!BothMonitorsBurned(seen)) {
      ASSERT_LT(Clock::now(), activated + kHangGuard)
          << "no fire on both monitors: fire on " << MonitorFire(0) << " and " << MonitorFire(1) << " of them, "
          << Count("Blazemere.scr") << " host(s), " << Count("Blazemere.dll") << " renderer(s)\n"
          << Log();
      std::this_thread::sleep_for(20ms);
    }
    std::cout << "xscreensaver: activation to fire on both monitors: " << MillisecondsSince(activated) << " ms\n";
    const std::vector<WindowGeometry> windows = FireWindows();
    ASSERT_EQ(windows.size(), 2u) << "not one fire per monitor";
    for (int i = 0; i < 2; ++i) {
      EXPECT_EQ(std::tuple(windows[i].x, windows[i].y, windows[i].width, windows[i].height),
                std::tuple(i * kMonitorWidth, 0, kMonitorWidth, kHeight))
          << "fire window " << i;
    }
    EXPECT_EQ(Count("Blazemere.scr"), 2);
    EXPECT_EQ(Count("Blazemere.dll"), 2);
    std::this_thread::sleep_for(2s);  // music to listen to
    if (const char* shot = std::getenv("BLAZEMERE_SCREENSHOT"); shot != nullptr && round == 1) {
      EXPECT_TRUE(WritePpm(shot, session_->Capture(0, 0, 2 * kMonitorWidth, kHeight)));
    }
    EXPECT_EQ(Players(), 1) << "not exactly one saver plays the music";

    std::error_code noFile;
    const auto bytesAtDeactivation = fs::file_size(HeardFile(), noFile);
    const auto deactivated = Clock::now();
    ASSERT_EQ(RunCommand({"xscreensaver-command", "-deactivate"}), 0);
    while (!OurProcesses().empty()) {
      ASSERT_LT(Clock::now(), deactivated + kHangGuard) << "our processes outlive the deactivation";
      std::this_thread::sleep_for(5ms);
    }
    std::cout << "xscreensaver: deactivation to our processes gone: " << MillisecondsSince(deactivated) << " ms\n";

    const Samples heard = ReadDiskAudio(HeardFile());
    const std::vector<double> timeline = ToneTimeline(heard, 0.05);
    const auto toneSlices = std::count_if(timeline.begin(), timeline.end(), [](double f) { return Near(f, kTone); });
    EXPECT_GE(toneSlices * 0.05, 1.0) << "heard too little of the music";
    std::size_t lastSound = 0;
    for (std::size_t frame = 0; frame * 2 + 1 < heard.size(); ++frame) {
      if (heard[2 * frame] != 0 || heard[2 * frame + 1] != 0) lastSound = frame;
    }
    const double stop = (static_cast<double>(lastSound) - static_cast<double>(bytesAtDeactivation / 4)) / kRate;
    std::cout << "xscreensaver: deactivation to music stopped: " << static_cast<long long>(std::max(stop, 0.0) * 1000)
              << " ms\n";
    EXPECT_LE(stop, kLatestStopSeconds) << "the music went on after the deactivation";
  }

  PrivateXvfb server_{std::to_string(2 * kMonitorWidth) + "x" + std::to_string(kHeight)};
  std::unique_ptr<XSession> session_;
  User user_ = RunAs();
  std::string root_;
  std::string home_;
  std::unique_ptr<ChildProcess> daemon_;
};

TEST_F(XScreenSaverMode, EachMonitorBurnsOneSaverPlaysAndDeactivationEndsAll) {
  StartXScreenSaver();
  for (int round = 1; round <= 2 && !HasFatalFailure(); ++round) ActivateAndDeactivate(round);
}

// The settings panel's preview, as xscreensaver-settings starts it: the
// mode's command with "--window-id ID" appended and the same id in
// XSCREENSAVER_WINDOW. The fire burns in that window without a sound, and
// the signal that ends the preview ends every process of ours.
TEST_F(XScreenSaverMode, PreviewBurnsSilentlyInItsWindow) {
  Display* display = session_->display();
  const Window panel = XCreateSimpleWindow(display, DefaultRootWindow(display), 100, 100, 400, 250, 0, 0, 0xFF00FF);
  XMapWindow(display, panel);
  XSync(display, False);
  char id[32];
  std::snprintf(id, sizeof id, "0x%lX", panel);
  std::map<std::string, std::string> environment = UserEnvironment();
  environment["XSCREENSAVER_WINDOW"] = id;
  ChildProcess preview(Launcher(), {"--xscreensaver", "--window-id", id}, environment);
  const auto deadline = Clock::now() + kHangGuard;
  while (FireShare(session_->CaptureWindow(panel)) < 0.9) {
    ASSERT_LT(Clock::now(), deadline) << "no fire in the preview window\n" << preview.StandardError();
    std::this_thread::sleep_for(20ms);
  }
  std::this_thread::sleep_for(1500ms);  // music, if any, to listen to
  const Samples heard = ReadDiskAudio(HeardFile());
  EXPECT_TRUE(std::all_of(heard.begin(), heard.end(), [](std::int16_t s) { return s == 0; }))
      << "the preview made a sound";
  EXPECT_EQ(Count("Blazemere.dll"), 1);

  kill(preview.pid(), SIGTERM);  // the launcher has become the host
  EXPECT_EQ(preview.WaitForExit(kHangGuard), 0);
  const auto ended = Clock::now() + kHangGuard;
  while (!OurProcesses().empty() && Clock::now() < ended) std::this_thread::sleep_for(5ms);
  EXPECT_TRUE(OurProcesses().empty()) << "the preview's renderer outlived it";
  XDestroyWindow(display, panel);
}

// Without XScreenSaver the saver's own window still spans both monitors.
TEST_F(XScreenSaverMode, StandaloneSaverCoversBothMonitors) {
  ChildProcess host(root_ + "/lib/blazemere/Blazemere.scr", {"/s"}, UserEnvironment());
  const Window renderer = session_->WaitForWindow("Blazemere_VC", kHangGuard);
  ASSERT_NE(renderer, 0u);
  const auto deadline = Clock::now() + kHangGuard;
  std::array<bool, 2> seen{};
  while (!BothMonitorsBurned(seen) && Clock::now() < deadline) std::this_thread::sleep_for(20ms);
  const WindowGeometry g = session_->Geometry(renderer);
  EXPECT_EQ(std::tuple(g.x, g.y, g.width, g.height), std::tuple(0, 0, 2 * kMonitorWidth, kHeight));
  EXPECT_TRUE(seen[0] && seen[1]) << "the fire left a monitor dark";
  XSetInputFocus(session_->display(), renderer, RevertToPointerRoot, CurrentTime);
  XSync(session_->display(), False);
  ASSERT_EQ(XDoTool({"key", "Escape"}), 0);
  EXPECT_EQ(host.WaitForExit(kHangGuard), 0);
}

}  // namespace
}  // namespace blazemere::testing
