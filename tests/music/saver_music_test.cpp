// Blazemere.scr /s with music settings, started as a user starts it with the
// real renderer beside it: what plays while the fire burns, and that it
// stops soon after Escape. Sound goes to a file through SDL's disk driver.
#include <gtest/gtest.h>

#include <X11/Xlib.h>

#include <filesystem>
#include <fstream>
#include <thread>

#include "tests/music/audio_fixtures.h"
#include "tests/support/child_process.h"
#include "tests/support/x_session.h"

namespace blazemere::testing {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

constexpr auto kHangGuard = 10s;
constexpr auto kMusicTime = 2500ms;
constexpr double kWindow = 0.05;
// The host looks for the renderer twice a second; the music stops at that look.
constexpr double kLatestStopSeconds = 0.6;

int IgnoreXError(Display*, XErrorEvent*) { return 0; }
const auto kPreviousXErrorHandler = XSetErrorHandler(IgnoreXError);

struct SaverRow {
  const char* name;
  std::string mode;
  std::string repeat;
  std::string file;  // "wav", "mp3", "missing", or "" for none
  bool disc;
  double tone;  // what must be heard; 0 for silence
};

class SaverMusic : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = MakeScratchFolder("saver-music");
    for (const char* program : {"Blazemere.scr", "Blazemere.dll"}) {
      fs::copy_file(BinDir() + "/" + program, folder_ + "/" + program);
    }
    for (const char* sub : {"/home", "/data", "/config", "/music"}) fs::create_directories(folder_ + sub);
    WriteWav(folder_ + "/music/fire side.wav", Tone(440, 1.0));
    mp3Made_ = WriteMp3(folder_ + "/music/fire side.mp3", Tone(1000, 1.0));
    discImage_ = MakeDiscImage(folder_ + "/music", {{Tone(660, 1.0)}, {Tone(990, 1.0)}});
  }

  std::string MusicFile(const std::string& kind) const {
    if (kind == "wav") return folder_ + "/music/fire side.wav";
    if (kind == "mp3") return folder_ + "/music/fire side.mp3";
    if (kind == "missing") return folder_ + "/music/gone.wav";
    return "";
  }

  void WriteSettings(const SaverRow& row) const {
    std::ofstream(folder_ + "/Blazemere.ini") << "[Section]\nBGM区分=" << row.mode << "\nBGMﾘﾋﾟｰﾄ=" << row.repeat
                                              << "\nBGMﾌｧｲﾙ=" << MusicFile(row.file) << "\n";
  }

  std::map<std::string, std::string> Environment(const SaverRow& row) const {
    std::map<std::string, std::string> env{{"HOME", folder_ + "/home"},
                                           {"XDG_DATA_HOME", folder_ + "/data"},
                                           {"XDG_CONFIG_HOME", folder_ + "/config"},
                                           {"SDL_AUDIODRIVER", "disk"},
                                           {"SDL_DISKAUDIOFILE", Heard()}};
    env["BLAZEMERE_CDROM"] = row.disc ? discImage_ : folder_ + "/no drive here";
    return env;
  }

  std::string Heard() const { return folder_ + "/heard.raw"; }

  std::size_t HeardFrames() const {
    std::error_code error;
    const auto bytes = fs::file_size(Heard(), error);
    return error ? 0 : static_cast<std::size_t>(bytes / 4);
  }

  std::string folder_;
  std::string discImage_;
  bool mp3Made_ = false;
};

// SDL's disk driver announces itself; anything else on standard error is ours.
std::string WithoutDiskDriverNotice(const std::string& text) {
  std::string kept;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    const std::string line = text.substr(start, end - start);
    if (line.find("disk i/o audio driver") == std::string::npos && line.find("Writing to file") == std::string::npos) {
      kept += line + "\n";
    }
    start = end + 1;
  }
  return kept;
}

void PressEscape(XSession& session, Window renderer) {
  XSetInputFocus(session.display(), renderer, RevertToPointerRoot, CurrentTime);
  XSync(session.display(), False);
  ASSERT_EQ(XDoTool({"key", "Escape"}), 0);
}

TEST_F(SaverMusic, PlaysWhatTheSettingsAskWhileTheFireBurns) {
  XSession session;
  ASSERT_TRUE(session.ok());
  ASSERT_TRUE(mp3Made_);
  const SaverRow rows[] = {
      {"wav file", "2", "0", "wav", false, 440},
      {"mp3 file", "2", "0", "mp3", false, 1000},
      {"audio cd", "1", "0", "", true, 660},
      {"audio cd holding track 2", "1", "2", "", true, 990},
      {"music kind 2.9 plays as 2", "2.9", "0", "wav", false, 440},
      {"music kind abc plays nothing", "abc", "0", "wav", false, 0},
      {"missing music file", "2", "0", "missing", false, 0},
      {"cd without a drive", "1", "0", "", false, 0},
  };
  for (const SaverRow& row : rows) {
    SCOPED_TRACE(row.name);
    fs::remove(Heard());
    WriteSettings(row);
    ChildProcess host(folder_ + "/Blazemere.scr", {"/s"}, Environment(row));
    const Window renderer = session.WaitForWindow("Blazemere_VC", kHangGuard);
    ASSERT_NE(renderer, 0u);
    std::this_thread::sleep_for(kMusicTime);
    ASSERT_TRUE(host.IsRunning()) << "the saver ended by itself";

    const std::size_t framesAtEscape = HeardFrames();
    PressEscape(session, renderer);
    EXPECT_EQ(host.WaitForExit(kHangGuard), 0);
    EXPECT_EQ(WithoutDiskDriverNotice(host.StandardError()), "");

    const Samples heard = ReadDiskAudio(Heard());
    const std::vector<double> timeline = ToneTimeline(heard, kWindow);
    const auto toneSlices = std::count_if(timeline.begin(), timeline.end(), [&](double f) { return f > 0; });
    if (row.tone == 0) {
      EXPECT_EQ(toneSlices, 0);
      continue;
    }
    const auto rightSlices = std::count_if(timeline.begin(), timeline.end(), [&](double f) { return Near(f, row.tone); });
    EXPECT_GE(rightSlices * kWindow, 1.0) << "heard too little of the expected tone";
    std::size_t lastSound = 0;
    for (std::size_t frame = 0; frame * 2 + 1 < heard.size(); ++frame) {
      if (heard[2 * frame] != 0 || heard[2 * frame + 1] != 0) lastSound = frame;
    }
    EXPECT_LE((static_cast<double>(lastSound) - static_cast<double>(framesAtEscape)) / kRate, kLatestStopSeconds)
        << "music went on after Escape";
  }
}

}  // namespace
}  // namespace blazemere::testing
