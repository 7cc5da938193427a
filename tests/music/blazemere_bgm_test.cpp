// The exact command strings, reply sizes and order the music module sends,
// against a layer that records every call and answers from a table.
#include "host/core/music/blazemere_bgm.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "platform/mci/multimedia_layer.h"

namespace blazemere::music {
namespace {

struct Sent {
  std::string command;
  std::size_t replySize = 0;
  bool operator==(const Sent&) const = default;
};
struct Answer {
  std::uint32_t code = 0;
  std::string reply;
};

class RecordingLayer final : public platform::MultimediaLayer {
 public:
  std::vector<Sent> sent;  // PlaySound calls too, as "PlaySound <file> <flags>"
  std::map<std::string, Answer> answers;  // by command; others succeed with no reply
  bool errorTexts = true;
  int devices = 1;

  std::uint32_t SendCommandString(const std::string& command, std::string& reply, std::size_t replySize) override {
    sent.push_back({command, replySize});
    const Answer answer = answers.contains(command) ? answers[command] : Answer{};
    reply = replySize == 0 ? std::string() : answer.reply.substr(0, replySize - 1);
    return answer.code;
  }
  bool GetErrorString(std::uint32_t code, std::string& text, std::size_t textSize) override {
    text = errorTexts ? ("text of " + std::to_string(code)).substr(0, textSize - 1) : std::string();
    return errorTexts;
  }
  bool PlaySound(const char* file, std::uint32_t flags) override {
    sent.push_back({"PlaySound " + std::string(file ? file : "<null>") + " " + std::to_string(flags), 0});
    return true;
  }
  int WaveOutDeviceCount() override { return devices; }
};

constexpr std::uint32_t kNoDisc = 276;
const std::string kTrack = "status cdaudio current track";
const std::string kCount = "status cdaudio number of tracks";
const std::string kMode = "status cdaudio mode";
const std::string kPosition3 = "status cdaudio position track 3";

std::map<std::string, Answer> Disc(const std::string& track, const std::string& mode) {
  return {{kTrack, {0, track}}, {kCount, {0, "5"}}, {kMode, {0, mode}}, {kPosition3, {0, "03:00:00:00"}}};
}

// The watch's three queries, then `more`.
std::vector<Sent> Watched(const std::vector<Sent>& more = {}) {
  std::vector<Sent> all = {{kTrack, 512}, {kCount, 512}, {kMode, 255}};
  all.insert(all.end(), more.begin(), more.end());
  return all;
}

const std::vector<Sent> kJumpToTrack3 = {{kPosition3, 512}, {"play cdaudio from 03:00:00:00", 512}};

TEST(BlazemereBgm, SendsTheExactCommandSequences) {
  using Action = std::function<bool(BlazemereBgm&)>;
  const Action startMp3 = [](BlazemereBgm& b) { b.StartMp3(); return true; };
  const Action repeatMp3 = [](BlazemereBgm& b) { b.RepeatMp3(); return true; };
  const Action watch = [](BlazemereBgm& b) { return b.WatchCdAudio(); };
  const Action wav = [](BlazemereBgm& b) { b.StartWav(); b.StopWav(); return true; };
  // `action` gives the operation's result, true where it has none.
  const struct {
    const char* name;
    std::int16_t repeat;
    std::string file;
    std::map<std::string, Answer> answers;
    Action action;
    std::vector<Sent> expected;
    bool expectedResult = true;
    int wavDevices = 1;
  } rows[] = {
      {"mp3 path with blanks", 0, "/home/u/My Music/a song.mp3", {}, startMp3,
       {{"open \"/home/u/My Music/a song.mp3\" type MPEGVideo Alias MP3Play", 0}, {"play MP3Play", 0}}},
      {"mp3 tick while playing sends nothing else", 0, "/x.mp3", {{"status MP3Play mode", {0, "playing"}}},
       repeatMp3, {{"status MP3Play mode", 30}}},
      {"mp3 tick after the end plays from 0", 0, "/x.mp3", {{"status MP3Play mode", {0, "stopped"}}}, repeatMp3,
       {{"status MP3Play mode", 30}, {"stop MP3Play", 0}, {"play MP3Play from 0", 0}}},
      {"repeat 3, disc stopped", 3, "", Disc("1", "stopped"), watch, Watched(kJumpToTrack3)},
      {"repeat 3, disc on track 1", 3, "", Disc("1", "playing"), watch, Watched(kJumpToTrack3)},
      {"repeat 3, disc moved on to track 4", 3, "", Disc("4", "playing"), watch, Watched(kJumpToTrack3)},
      {"repeat 0, disc stopped", 0, "", Disc("2", "stopped"), watch, Watched({{"play cdaudio", 512}})},
      {"no disc: the watch ends, nothing played", 3, "", {{kTrack, {kNoDisc, ""}}}, watch, {{kTrack, 512}}, false},
      {"mode compared on 7 characters", 0, "", Disc("1", "stopped and more"), watch, Watched({{"play cdaudio", 512}})},
      {"wav loops with a device", 0, "/m/a.wav", {}, wav, {{"PlaySound /m/a.wav 9", 0}, {"PlaySound <null> 0", 0}}},
      {"wav without a device", 0, "/m/a.wav", {}, wav, {{"PlaySound <null> 0", 0}}, true, 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    RecordingLayer layer;
    layer.answers = row.answers;
    layer.devices = row.wavDevices;
    host::HostSettings settings;
    settings.bgmRepeat = row.repeat;
    settings.bgmFile = row.file;
    BlazemereBgm bgm(layer, settings);
    EXPECT_EQ(row.action(bgm), row.expectedResult);
    EXPECT_EQ(layer.sent, row.expected);
  }
}

TEST(BlazemereBgm, ErrorRepliesTakeTheirFixedForms) {
  const struct { const char* name; std::string command; Answer answer; bool errorTexts; std::int32_t expectedCode;
                 std::string expectedReply, expectedQuery; } rows[] = {
      {"empty command", "", {}, true, -1, "コマンド文字列が指定されていません", "Error:-1"},
      {"failure with its text", "status x mode", {263, ""}, true, 263, "text of 263", "Error:263"},
      {"failure without a text", "status x mode", {263, ""}, false, 263, "Error (文字列が取れません)", "Error:263"},
      {"success", "status x mode", {0, "stopped"}, true, 0, "stopped", "stopped"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    RecordingLayer layer;
    layer.answers[row.command] = row.answer;
    layer.errorTexts = row.errorTexts;
    host::HostSettings settings;
    BlazemereBgm bgm(layer, settings);
    std::string reply;
    EXPECT_EQ(bgm.SendMciCommand(row.command, reply), row.expectedCode);
    EXPECT_EQ(reply, row.expectedReply);
    EXPECT_EQ(bgm.QueryMci(row.command), row.expectedQuery);
  }
}

}  // namespace
}  // namespace blazemere::music
