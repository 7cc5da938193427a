// XScreenSaver starts one saver per monitor, all at once: of those on one
// display only the holder of the music lock plays, another takes over once
// it has gone, and a preview never takes the lock. (The real XScreenSaver
// test shows the first half; a holder that goes while the others burn on,
// its monitor unplugged, is shown here.) What each saver sends to its
// multimedia layer is recorded; the renderer is a stand-in program.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <fstream>

#include "host/core/saver/saver_window.h"
#include "tests/support/unit_scratch_folder.h"

namespace blazemere::host {
namespace {

using namespace std::chrono_literals;

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
  bool PlaySound(const char* file, std::uint32_t) override {
    sent.push_back(file != nullptr ? "play" : "stop");
    return true;
  }
  int WaveOutDeviceCount() override { return 1; }
};

class NoWindows final : public platform::WindowLookup {
 public:
  platform::WindowHandle FindWindowByTitle(std::string_view) override { return 0; }
};

class NoCursor final : public platform::Cursor {
 public:
  int ShowCursor(bool) override { return 0; }
};

// One saver on one monitor (a preview without a layer), loaded.
struct Saver {
  Saver(const std::string& folder, bool preview) {
    context.hostFolder = folder;
    context.mode = HostMode::kDisplayMode;
    context.settings = {MusicKind::kMusicFile, 0, "/music/fire.wav", "/music", MusicFileKind::kWav};
    window = std::make_unique<SaverWindow>(context,
                                           SaverWindow::Services{windows, cursor, preview ? nullptr : &layer},
                                           SaverWindow::DisplayMode{{"--root"}, folder + "/music.lock"});
    window->FormLoad(SaverWindow::Clock::now());
  }
  ~Saver() { window->QueryUnload(); }
  void Watch() { window->Tick(SaverWindow::Timer::kRendererWatch, SaverWindow::Clock::now() + 1s); }

  RecordingLayer layer;
  NoWindows windows;
  NoCursor cursor;
  HostContext context;
  std::unique_ptr<SaverWindow> window;
};

TEST(DisplayModeMusic, OneSaverPlaysAndAnotherTakesOver) {
  const std::string folder = testing::ScratchFolder("display-mode-music");
  setenv("XDG_DATA_HOME", (folder + "/data").c_str(), 1);
  const std::string renderer = folder + "/Blazemere.dll";  // burns until it is stopped
  std::ofstream(renderer) << "#!/bin/sh\nexec sleep 60\n";
  chmod(renderer.c_str(), 0755);

  const Saver preview(folder, true);  // a settings panel open first
  auto left = std::make_unique<Saver>(folder, false);
  Saver right(folder, false);
  EXPECT_EQ(left->layer.sent, std::vector<std::string>{"play"}) << "the first saver is silent (a preview's lock?)";
  right.Watch();
  EXPECT_TRUE(right.layer.sent.empty()) << "two savers play";

  left.reset();  // its monitor gone: the unload stops its music and lets the lock go
  right.Watch();
  EXPECT_EQ(right.layer.sent, std::vector<std::string>{"play"}) << "no saver took over";
}

}  // namespace
}  // namespace blazemere::host
