// XScreenSaver's display mode starts one saver per monitor, all at once: of
// those on one display only the holder of the music lock plays, another
// takes over once it has gone, and a preview never takes the lock. Each
// saver starts a stand-in renderer (a real program), which its unload must
// stop and whose end ends the run. What each saver sends to its multimedia
// layer is recorded.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <csignal>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

#include "host/core/saver/saver_window.h"
#include "tests/support/unit_scratch_folder.h"

namespace blazemere::host {
namespace {

using namespace std::chrono_literals;
using Clock = SaverWindow::Clock;

class RecordingLayer final : public platform::MultimediaLayer {
 public:
  std::vector<std::string> sent;
  std::uint32_t SendCommandString(const std::string& command, std::string& reply, std::size_t) override {
    sent.push_back(command);
    reply.clear();
    return 0;
  }
  bool GetErrorString(std::uint32_t, std::string& text, std::size_t) override {
    text.clear();
    return false;
  }
  bool PlaySound(const char* file, std::uint32_t flags) override {
    sent.push_back("PlaySound " + std::string(file ? file : "<null>") + " " + std::to_string(flags));
    return true;
  }
  int WaveOutDeviceCount() override { return 1; }
};

class NoWindows final : public platform::WindowLookup {
 public:
  platform::WindowHandle FindWindowByTitle(std::string_view) override { return 0; }
};

class CountingCursor final : public platform::Cursor {
 public:
  int ShowCursor(bool) override { return ++calls; }
  int calls = 0;
};

const std::vector<std::string> kPlay = {"PlaySound /music/fire.wav 9"};
const std::vector<std::string> kPlayAndStop = {"PlaySound /music/fire.wav 9", "PlaySound <null> 0"};

bool Alive(pid_t pid) { return kill(pid, 0) == 0; }

class DisplayModeMusic : public ::testing::Test {
 protected:
  // One saver on one monitor (or, without a layer, a preview).
  struct Saver {
    RecordingLayer layer;
    HostContext context;
    std::unique_ptr<SaverWindow> window;
    pid_t renderer = 0;
  };

  void SetUp() override {
    folder_ = testing::ScratchFolder("display-mode-music");
    setenv("XDG_DATA_HOME", (folder_ + "/data").c_str(), 1);
    // The renderer tells which process it is, then burns until it is ended.
    const std::string renderer = folder_ + "/Blazemere.dll";
    std::ofstream(renderer) << "#!/bin/sh\necho $$ >> '" << folder_ << "/renderers'\nexec sleep 60\n";
    chmod(renderer.c_str(), 0755);
  }
  void TearDown() override {
    for (const pid_t pid : StartedRenderers()) kill(pid, SIGKILL);
  }

  std::vector<pid_t> StartedRenderers() const {
    std::ifstream file(folder_ + "/renderers");
    std::vector<pid_t> pids;
    for (pid_t pid = 0; file >> pid;) pids.push_back(pid);
    return pids;
  }

  std::unique_ptr<Saver> Load(bool preview) {
    auto saver = std::make_unique<Saver>();
    saver->context.hostFolder = folder_;
    saver->context.mode = HostMode::kDisplayMode;
    saver->context.settings = {MusicKind::kMusicFile, 0, "/music/fire.wav", "/music", MusicFileKind::kWav};
    SaverWindow::DisplayMode mode{{"--root"}, folder_ + "/Blazemere-:9-music.lock"};
    saver->window = std::make_unique<SaverWindow>(
        saver->context, SaverWindow::Services{windows_, cursor_, preview ? nullptr : &saver->layer}, mode);
    const std::size_t before = StartedRenderers().size();
    saver->window->FormLoad(start_);
    for (int i = 0; i < 500 && StartedRenderers().size() == before; ++i) std::this_thread::sleep_for(2ms);
    if (StartedRenderers().size() > before) saver->renderer = StartedRenderers().back();
    return saver;
  }

  // A renderer watch tick `after` the start; true while the run goes on.
  bool Watch(Saver& saver, std::chrono::milliseconds after) {
    saver.window->Tick(SaverWindow::Timer::kRendererWatch, start_ + after);
    return !saver.window->UnloadRequested();
  }

  std::string folder_;
  NoWindows windows_;
  CountingCursor cursor_;
  Clock::time_point start_ = Clock::now();
};

TEST_F(DisplayModeMusic, OneSaverPlaysAndAnotherTakesOver) {
  const auto left = Load(false);
  const auto preview = Load(true);
  const auto right = Load(false);
  ASSERT_TRUE(left->renderer > 0 && preview->renderer > 0 && right->renderer > 0) << "a renderer did not start";
  EXPECT_EQ(left->layer.sent, kPlay);
  EXPECT_TRUE(right->layer.sent.empty()) << "two savers play";
  EXPECT_TRUE(Watch(*right, 500ms));
  EXPECT_TRUE(right->layer.sent.empty()) << "took the music while its holder plays";
  EXPECT_EQ(left->window->caption(), "") << "a display mode shows a window of its own";

  left->window->QueryUnload();
  EXPECT_EQ(left->layer.sent, kPlayAndStop);
  EXPECT_FALSE(Alive(left->renderer)) << "the unload left its renderer running";
  EXPECT_TRUE(Watch(*right, 1000ms));
  EXPECT_EQ(right->layer.sent, kPlay) << "no saver took the music over (a preview holding the lock?)";

  // A renderer that ends (its window destroyed) ends its run at the next look.
  kill(right->renderer, SIGKILL);
  bool running = true;
  for (int i = 0; i < 500 && running; ++i) {
    std::this_thread::sleep_for(2ms);
    running = Watch(*right, 1500ms);
  }
  EXPECT_FALSE(running);
  right->window->QueryUnload();
  EXPECT_EQ(right->layer.sent, kPlayAndStop);

  preview->window->QueryUnload();
  EXPECT_FALSE(Alive(preview->renderer));
  EXPECT_EQ(cursor_.calls, 0) << "a display mode touched the pointer";
}

}  // namespace
}  // namespace blazemere::host
