// Blazemere.scr /s with music settings, started as a user starts it with the
// real renderer beside it: what plays while the fire burns, and that it
// stops soon after Escape, the host gone and the pointer back, whatever the
// settings name. Sound goes to a file through SDL's disk driver; the X server
// is one of the test's own, whose framebuffer shows the pointer.
#include <gtest/gtest.h>

#include <X11/Xlib.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <thread>

#include "tests/music/audio_fixtures.h"
#include "tests/support/child_process.h"
#include "tests/support/private_xvfb.h"
#include "tests/support/x_session.h"

namespace blazemere::testing {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

constexpr auto kHangGuard = 10s;
constexpr double kWindow = 0.05;
// How soon it stops is measured by tools/measure-timing.sh; here it only has
// to stop with the run, with room for a loaded machine.
constexpr double kLatestStopSeconds = 2.0;

// The renderer hides the pointer over its own window; a window of ours on top
// of it under the pointer shows only what the host does to the pointer.
Window CoverRendererUnderThePointer(Display* display) {
  XWarpPointer(display, None, DefaultRootWindow(display), 0, 0, 0, 0, 8, 8);
  XSetWindowAttributes attributes{};
  attributes.override_redirect = True;
  const Window probe = XCreateWindow(display, DefaultRootWindow(display), 0, 0, 32, 32, 0, CopyFromParent,
                                     InputOutput, CopyFromParent, CWOverrideRedirect, &attributes);
  XMapRaised(display, probe);
  XSync(display, False);
  return probe;
}

TEST(SaverMusic, PlaysWhatTheSettingsAskWhileTheFireBurns) {
  PrivateXvfb server("400x300");
  ASSERT_TRUE(server.ok());
  setenv("DISPLAY", server.display().c_str(), 1);
  XSession session;
  ASSERT_TRUE(session.ok());
  const std::string folder = MakeScratchFolder("saver-music");
  for (const char* program : {"Blazemere.scr", "Blazemere.dll"}) fs::copy_file(BinDir() + "/" + program, folder + "/" + program);
  for (const char* sub : {"/home", "/data", "/config", "/music"}) fs::create_directories(folder + sub);
  const std::string wav = folder + "/music/fire side.wav", mp3 = folder + "/music/fire side.mp3";
  WriteWav(wav, Tone(440, 1.0));
  ASSERT_TRUE(WriteMp3(mp3, Tone(1000, 1.0)));
  const std::string quoted = folder + "/music/say \"hi\".mp3";
  ASSERT_TRUE(WriteMp3(quoted, Tone(1000, 1.0)));
  const std::string disc = MakeDiscImage(folder + "/music", {{Tone(660, 1.0)}});
  const std::string noDrive = folder + "/no drive";
  const std::string heardFile = folder + "/heard.raw";
  // Nobody ever writes to these: opening one for reading waits for a writer.
  const std::string pipeWav = folder + "/music/pipe.wav", pipeMp3 = folder + "/music/pipe.mp3";
  const std::string pipeDisc = folder + "/music/pipe.cue";
  for (const std::string& pipe : {pipeWav, pipeMp3, pipeDisc}) ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);

  const struct {
    const char* name;
    std::string mode, file, cdrom;
    double tone;  // what must be heard; 0 for silence
  } rows[] = {
      {"wav file", "2", wav, noDrive, 440},
      {"mp3 file", "2", mp3, noDrive, 1000},
      {"audio cd", "1", "", disc, 660},
      {"music kind 2.9 plays as 2", "2.9", wav, noDrive, 440},
      {"music kind abc plays nothing", "abc", wav, noDrive, 0},
      {"missing music file", "2", folder + "/music/gone.wav", noDrive, 0},
      {"mp3 whose name holds quotes", "2", quoted, noDrive, 1000},
      {"named pipe as the wav file", "2", pipeWav, noDrive, 0},
      {"named pipe as the mp3 file", "2", pipeMp3, noDrive, 0},
      {"named pipe as the cd", "1", "", pipeDisc, 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    fs::remove(heardFile);
    std::ofstream(folder + "/Blazemere.ini")
        << "[Section]\nBGM区分=" << row.mode << "\nBGMﾘﾋﾟｰﾄ=0\nBGMﾌｧｲﾙ=" << row.file << "\n";
    ChildProcess host(folder + "/Blazemere.scr", {"/s"},
                      {{"HOME", folder + "/home"}, {"XDG_DATA_HOME", folder + "/data"},
                       {"XDG_CONFIG_HOME", folder + "/config"}, {"SDL_AUDIODRIVER", "disk"},
                       {"SDL_DISKAUDIOFILE", heardFile}, {"BLAZEMERE_CDROM", row.cdrom}});
    const Window renderer = session.WaitForWindow("Blazemere_VC", kHangGuard);
    ASSERT_NE(renderer, 0u);
    const Window probe = CoverRendererUnderThePointer(session.display());
    std::this_thread::sleep_for(2500ms);
    ASSERT_TRUE(host.IsRunning()) << "the saver ended by itself";
    EXPECT_LE(server.PointerPixels(0, 0, 32, 32), 24) << "the pointer shows during the run";

    XSetInputFocus(session.display(), renderer, RevertToPointerRoot, CurrentTime);
    XSync(session.display(), False);
    ASSERT_EQ(XDoTool({"key", "Escape"}), 0);
    // Measured once the key is sent, so that a slow start of xdotool on a
    // busy machine is not counted against the saver.
    std::error_code noFile;
    const auto bytesAtEscape = fs::file_size(heardFile, noFile);
    const double framesAtEscape = noFile ? 0.0 : static_cast<double>(bytesAtEscape / 4);
    EXPECT_EQ(host.WaitForExit(kHangGuard), 0);
    // The classic pointer in the corner has some 90 pixels.
    EXPECT_GT(server.PointerPixels(0, 0, 32, 32), 24) << "the pointer stayed hidden after the run";
    XDestroyWindow(session.display(), probe);
    XSync(session.display(), False);

    const Samples heard = ReadDiskAudio(heardFile);
    const std::vector<double> timeline = ToneTimeline(heard, kWindow);
    if (row.tone == 0) {
      EXPECT_EQ(std::count_if(timeline.begin(), timeline.end(), [](double f) { return f > 0; }), 0);
      continue;
    }
    const auto rightSlices = std::count_if(timeline.begin(), timeline.end(), [&](double f) { return Near(f, row.tone); });
    EXPECT_GE(rightSlices * kWindow, 1.0) << "heard too little of the expected tone";
    std::size_t lastSound = 0;
    for (std::size_t frame = 0; frame * 2 + 1 < heard.size(); ++frame) {
      if (heard[2 * frame] != 0 || heard[2 * frame + 1] != 0) lastSound = frame;
    }
    EXPECT_LE((static_cast<double>(lastSound) - framesAtEscape) / kRate, kLatestStopSeconds)
        << "music went on after Escape";
  }
}

}  // namespace
}  // namespace blazemere::testing
