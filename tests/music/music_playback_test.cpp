// The music module on the real multimedia layer, with SDL's disk driver
// writing what would be heard to a file: a looping WAV, a repeating MP3 and
// disc images played, followed and held on one track.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "host/core/music/blazemere_bgm.h"
#include "platform/mci/multimedia_layer.h"
#include "tests/music/audio_fixtures.h"
#include "tests/support/child_process.h"

namespace blazemere::testing {
namespace {

using namespace std::chrono_literals;

constexpr double kWindow = 0.05;  // seconds per timeline slice

class MusicPlayback : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = MakeScratchFolder("music-playback");
    output_ = folder_ + "/heard.raw";
    UseDiskAudio(output_);
    unsetenv("BLAZEMERE_CDROM");
  }

  // As the saver's timers do.
  static void RunTimer(std::chrono::milliseconds interval, std::chrono::milliseconds duration,
                       const std::function<void()>& tick) {
    const auto end = std::chrono::steady_clock::now() + duration;
    while (std::chrono::steady_clock::now() < end) {
      std::this_thread::sleep_for(interval);
      tick();
    }
  }

  std::string Send(platform::MultimediaLayer& layer, const std::string& command, std::uint32_t* code = nullptr) {
    std::string reply;
    if (const std::uint32_t result = layer.SendCommandString(command, reply, 256); code) *code = result;
    return reply;
  }

  std::vector<double> Heard() const { return ToneTimeline(ReadDiskAudio(output_), kWindow); }

  std::string folder_;
  std::string output_;
};

// Consecutive runs of one tone (0 for silence, -1 for a mix) in a timeline, in slices.
std::vector<std::pair<double, int>> Runs(const std::vector<double>& timeline, const std::vector<double>& tones) {
  std::vector<std::pair<double, int>> runs;
  for (double frequency : timeline) {
    double tone = frequency > 0 ? -1 : 0;
    for (double t : tones) tone = frequency > 0 && Near(frequency, t) ? t : tone;
    if (runs.empty() || runs.back().first != tone) runs.emplace_back(tone, 0);
    ++runs.back().second;
  }
  return runs;
}

TEST_F(MusicPlayback, WavLoopsWithoutAGapUntilStopped) {
  const Samples loop = Noise(0.25, 7);
  host::HostSettings settings;
  settings.bgmFile = folder_ + "/loop sound.wav";
  WriteWav(settings.bgmFile, loop);
  {
    auto layer = platform::CreateMultimediaLayer();
    music::BlazemereBgm bgm(*layer, settings);
    bgm.StartWav();
    std::this_thread::sleep_for(1500ms);
    bgm.StopWav();
    std::this_thread::sleep_for(300ms);
  }
  const Samples heard = ReadDiskAudio(output_);
  const auto start = std::search(heard.begin(), heard.end(), loop.begin(), loop.begin() + 64);
  ASSERT_NE(start, heard.end()) << "the WAV's samples never appear in the output";
  std::size_t repeats = 0;
  for (auto at = start; heard.end() - at >= static_cast<long>(loop.size()); at += static_cast<long>(loop.size())) {
    if (!std::equal(loop.begin(), loop.end(), at)) break;
    ++repeats;
  }
  EXPECT_GE(repeats, 4u) << "expected the 0.25 s sound repeated back to back for about 1.5 s";
  const Samples tail(heard.end() - kRate / 10 * 2, heard.end());
  EXPECT_TRUE(std::all_of(tail.begin(), tail.end(), [](std::int16_t s) { return s == 0; })) << "still sounding after stop";
}

TEST_F(MusicPlayback, Mp3PlaysOnceAndTheRepeatTimerStartsItAgain) {
  host::HostSettings settings;
  settings.bgmFile = folder_ + "/one second.mp3";
  ASSERT_TRUE(WriteMp3(settings.bgmFile, Tone(1000, 1.0)));
  {
    auto layer = platform::CreateMultimediaLayer();
    music::BlazemereBgm bgm(*layer, settings);
    bgm.StartMp3();
    std::this_thread::sleep_for(300ms);
    EXPECT_TRUE(bgm.IsMp3Playing());
    RunTimer(1000ms, 4500ms, [&] { bgm.RepeatMp3(); });
    bgm.CloseMp3();
  }
  const auto runs = Runs(Heard(), {1000});
  std::vector<int> toneRuns;
  std::vector<int> gaps;
  for (std::size_t i = 0; i < runs.size(); ++i) {
    if (runs[i].first == 1000) toneRuns.push_back(runs[i].second);
    if (runs[i].first == 0 && i > 0 && i + 1 < runs.size()) gaps.push_back(runs[i].second);
  }
  ASSERT_GE(toneRuns.size(), 2u);
  for (std::size_t i = 0; i + 1 < toneRuns.size(); ++i) EXPECT_NEAR(toneRuns[i] * kWindow, 1.0, 0.15);
  for (int gap : gaps) EXPECT_LE(gap * kWindow, 1.2) << "restarted later than one timer interval after its end";
}

// A data track first, then three tones: played through from the start, the
// current track follows the sound, the data track is never played.
TEST_F(MusicPlayback, DiscPlaysThroughSkippingDataAndTheCurrentTrackFollows) {
  setenv("BLAZEMERE_CDROM",
         MakeDiscImage(folder_, {{{}, 150}, {Tone(440, 0.8)}, {Tone(660, 0.8)}, {Tone(990, 0.8)}}).c_str(), 1);
  host::HostSettings settings;
  std::vector<std::string> tracks;
  std::string finalMode;
  {
    auto layer = platform::CreateMultimediaLayer();
    music::BlazemereBgm bgm(*layer, settings);
    bgm.OpenCdAudio();
    EXPECT_EQ(Send(*layer, "status cdaudio time format"), "tmsf");
    EXPECT_EQ(Send(*layer, "status cdaudio number of tracks"), "4");
    EXPECT_EQ(Send(*layer, "status cdaudio position track 3"), "03:00:00:00");
    std::uint32_t code = 0;
    Send(*layer, "play cdaudio from 01:00:00:00", &code);
    std::string text;
    EXPECT_TRUE(code != 0 && layer->GetErrorString(code, text, 256));
    EXPECT_NE(text.find("data"), std::string::npos) << text;
    ASSERT_TRUE(bgm.WatchCdAudio());
    // Until the disc has played out; the deadline only guards against a hang.
    const auto deadline = std::chrono::steady_clock::now() + 15s;
    do {
      std::this_thread::sleep_for(100ms);
      const std::string track = Send(*layer, "status cdaudio current track");
      if (tracks.empty() || tracks.back() != track) tracks.push_back(track);
      finalMode = Send(*layer, "status cdaudio mode");
    } while (finalMode == "playing" && std::chrono::steady_clock::now() < deadline);
    const std::string afterEnd = Send(*layer, "status cdaudio current track");
    if (tracks.back() != afterEnd) tracks.push_back(afterEnd);
    bgm.CloseCdAudio();
  }
  EXPECT_EQ(tracks, (std::vector<std::string>{"2", "3", "4", "1"})) << "the last: back at the start after the end";
  EXPECT_EQ(finalMode, "stopped");
  std::vector<double> order;
  for (const auto& [tone, slices] : Runs(Heard(), {440, 660, 990})) {
    if (tone > 0 && slices >= 4) order.push_back(tone);
  }
  EXPECT_EQ(order, (std::vector<double>{440, 660, 990}));
  const Samples heard = ReadDiskAudio(output_);
  EXPECT_EQ(std::count(heard.begin(), heard.end(), 0x5a5a), 0) << "the data track's bytes were played";
}

TEST_F(MusicPlayback, RepeatHoldsItsTrack) {
  setenv("BLAZEMERE_CDROM",
         MakeDiscImage(folder_, {{Tone(440, 0.6)}, {Tone(660, 0.6)}, {Tone(990, 0.6)}, {Tone(1320, 0.6)}}).c_str(), 1);
  host::HostSettings settings;
  settings.bgmRepeat = 2;
  {
    auto layer = platform::CreateMultimediaLayer();
    music::BlazemereBgm bgm(*layer, settings);
    bgm.OpenCdAudio();
    RunTimer(200ms, 4000ms, [&] { EXPECT_TRUE(bgm.WatchCdAudio()); });
    bgm.CloseCdAudio();
  }
  int slices660 = 0, slices990 = 0, slicesOther = 0;
  for (const auto& [tone, slices] : Runs(Heard(), {440, 660, 990, 1320})) {
    if (tone == 660) slices660 += slices;
    if (tone == 990) slices990 += slices;
    // A slice that holds a jump, or sound after a gap on a busy machine, reads
    // as some lower tone; another track really played fills a watch interval.
    if ((tone == 440 || tone == 1320) && slices > 1) slicesOther += slices;
  }
  EXPECT_GE(slices660 * kWindow, 1.5);
  EXPECT_GE(slices660, 3 * slices990) << "track 3 is heard only until the next watch tick";
  EXPECT_EQ(slicesOther, 0);
}

// A drive that stops answering mid-read: the disc image's data turns into a
// pipe nobody writes to, so the reader thread blocks in its read. Closing
// must not hang the saver's end on it.
TEST_F(MusicPlayback, ClosingDoesNotWaitForAStuckReader) {
  const std::string cue = MakeDiscImage(folder_, {{Tone(440, 0.5)}, {Tone(660, 0.5)}});
  setenv("BLAZEMERE_CDROM", cue.c_str(), 1);
  auto layer = platform::CreateMultimediaLayer();
  Send(*layer, "open cdaudio");
  const std::string bin = folder_ + "/disc.bin";
  ASSERT_EQ(unlink(bin.c_str()), 0);
  ASSERT_EQ(mkfifo(bin.c_str(), 0600), 0);
  std::uint32_t code = 1;
  Send(*layer, "play cdaudio", &code);
  EXPECT_EQ(code, 0u);
  std::this_thread::sleep_for(300ms);
  const auto start = std::chrono::steady_clock::now();
  Send(*layer, "stop cdaudio");
  Send(*layer, "close cdaudio");
  EXPECT_LT(std::chrono::steady_clock::now() - start, 2s) << "closing waited for the stuck reader";
  // Let the reader go so that it ends before the test does.
  const int writer = open(bin.c_str(), O_WRONLY | O_NONBLOCK);
  if (writer >= 0) close(writer);
  std::this_thread::sleep_for(200ms);
}

// Runs `call` on a thread of its own and waits `guard` for it; false when it
// did not return in time, after `release` has let it go.
bool ReturnsWithin(std::chrono::milliseconds guard, const std::function<void()>& call,
                   const std::function<void()>& release) {
  std::packaged_task<void()> task(call);
  std::future<void> done = task.get_future();
  std::thread thread(std::move(task));
  const bool inTime = done.wait_for(guard) == std::future_status::ready;
  if (!inTime) release();
  if (inTime || done.wait_for(2s) == std::future_status::ready) {
    thread.join();
  } else {
    thread.detach();  // still stuck: the test has failed already
  }
  return inTime;
}

// Each row makes a one-track image (and a .toc sheet where it is the source),
// then puts a pipe without a writer in the place of one file: whatever opens
// it for reading waits for ever.
TEST_F(MusicPlayback, CdSourceThatIsNeitherAFileNorADriveIsNoDrive) {
  const struct { const char* name; std::string source, pipe; bool opens; } rows[] = {
      {"a disc image", "disc.cue", "", true},
      {"pipe as the source", "disc.cue", "disc.cue", false},
      {"pipe as the image's data", "disc.cue", "disc.bin", false},
      {"pipe as the sheet beside a .bin", "disc.bin", "disc.cue", false},
      {"pipe as the sheet's CD-Text file", "disc.cue", "text.cdt", false},
      {"pipe as a .toc sheet's data file", "disc.toc", "data.bin", false},
      {"a folder", "", "", false},
  };
  int serial = 0;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const std::string folder = folder_ + "/source" + std::to_string(++serial);
    std::filesystem::create_directories(folder);
    const std::string cue = MakeDiscImage(folder, {{Tone(440, 0.2)}});
    if (row.pipe == "text.cdt") std::ofstream(cue, std::ios::app) << "CDTEXTFILE \"text.cdt\"\n";
    if (row.source == "disc.toc") {
      std::ofstream(folder + "/disc.toc") << "CD_DA\nTRACK AUDIO\nFILE \"" << folder << "/data.bin\" 0\n";
    }
    const std::string pipe = folder + "/" + row.pipe;
    if (!row.pipe.empty()) {
      std::filesystem::remove(pipe);
      ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0) << pipe;
    }
    setenv("BLAZEMERE_CDROM", (folder + "/" + row.source).c_str(), 1);
    const std::shared_ptr<platform::MultimediaLayer> layer = platform::CreateMultimediaLayer();
    auto code = std::make_shared<std::uint32_t>(1);
    const bool returned = ReturnsWithin(
        3s, [this, layer, code] { Send(*layer, "open cdaudio", code.get()); },
        [&] { close(open(pipe.c_str(), O_WRONLY | O_NONBLOCK)); });
    EXPECT_TRUE(returned) << "opening the CD device hung";
    if (returned) {
      EXPECT_EQ(*code == 0, row.opens) << "code " << *code;
    }
  }
}

// Names the file chooser can return. The MP3's name goes into a quoted
// command string: a lone quote, quotes around command words and quotes among
// multi-byte text must not end it early. The WAV is handed over as it is.
TEST_F(MusicPlayback, FileNamesWithQuotesPlay) {
  const struct { const char* name; bool mp3; } rows[] = {
      {"\"", true}, {"x\" type waveaudio alias \"y", true}, {"炎の \"歌\" 1", true},
      {"x\" type waveaudio alias \"y", false}};
  int serial = 0;
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.name) + (row.mp3 ? ".mp3" : ".wav"));
    host::HostSettings settings;
    settings.bgmFile = folder_ + "/" + row.name + (row.mp3 ? ".mp3" : ".wav");
    if (row.mp3) {
      ASSERT_TRUE(WriteMp3(settings.bgmFile, Tone(1000, 0.6)));
    } else {
      WriteWav(settings.bgmFile, Tone(1000, 0.6));
    }
    output_ = folder_ + "/heard" + std::to_string(++serial) + ".raw";
    UseDiskAudio(output_);
    {
      auto layer = platform::CreateMultimediaLayer();
      music::BlazemereBgm bgm(*layer, settings);
      row.mp3 ? bgm.StartMp3() : bgm.StartWav();
      std::this_thread::sleep_for(500ms);
      row.mp3 ? bgm.CloseMp3() : bgm.StopWav();
    }
    const auto heard = Heard();
    EXPECT_GE(std::count_if(heard.begin(), heard.end(), [](double f) { return Near(f, 1000); }) * kWindow, 0.25)
        << "the file was not heard";
  }
}

TEST_F(MusicPlayback, WithoutASoundCardNothingPlaysAndNothingFails) {
  setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  host::HostSettings settings;
  settings.bgmFile = folder_ + "/a.wav";
  WriteWav(settings.bgmFile, Tone(440, 0.2));
  auto layer = platform::CreateMultimediaLayer();
  EXPECT_EQ(layer->WaveOutDeviceCount(), 0);
  EXPECT_FALSE(layer->PlaySound(settings.bgmFile.c_str(), platform::kSndAsync | platform::kSndLoop));
  std::uint32_t code = 0;
  Send(*layer, "open \"" + settings.bgmFile + "\" type MPEGVideo Alias MP3Play", &code);
  EXPECT_NE(code, 0u);
  music::BlazemereBgm bgm(*layer, settings);
  bgm.StartWav();
  bgm.StopWav();
}

}  // namespace
}  // namespace blazemere::testing
