// The exact command strings, reply sizes and order the music module sends,
// against a recording layer.
#include "host/music/blazemere_bgm.h"

#include <gtest/gtest.h>

#include <functional>

#include "tests/music/recording_multimedia_layer.h"

namespace blazemere::music {
namespace {

using testing::Answer;
using testing::RecordingMultimediaLayer;
using testing::SentCommand;

constexpr std::uint32_t kNoDisc = 276;

const std::string kTrack = "status cdaudio current track";
const std::string kCount = "status cdaudio number of tracks";
const std::string kMode = "status cdaudio mode";
const std::string kPosition3 = "status cdaudio position track 3";

struct SequenceRow {
  const char* name;
  std::int16_t repeat;
  std::string file;
  std::map<std::string, Answer> answers;
  std::function<bool(BlazemereBgm&)> action;  // returns the operation's result, true where none
  std::vector<SentCommand> expected;
  bool expectedResult = true;
};

bool Watch(BlazemereBgm& bgm) { return bgm.WatchCdAudio(); }

std::map<std::string, Answer> Disc(const std::string& track, const std::string& mode) {
  return {{kTrack, {0, track}}, {kCount, {0, "5"}}, {kMode, {0, mode}}, {kPosition3, {0, "03:00:00:00"}}};
}

std::vector<SentCommand> WatchQueries() { return {{kTrack, 512}, {kCount, 512}, {kMode, 255}}; }

std::vector<SentCommand> WatchQueriesThen(std::vector<SentCommand> more) {
  std::vector<SentCommand> all = WatchQueries();
  all.insert(all.end(), more.begin(), more.end());
  return all;
}

const std::vector<SentCommand> kJumpToTrack3 = {{kPosition3, 512}, {"play cdaudio from 03:00:00:00", 512}};

TEST(BlazemereBgm, SendsTheExactCommandSequences) {
  const SequenceRow rows[] = {
      {"mp3 path with blanks", 0, "/home/u/My Music/a song.mp3", {},
       [](BlazemereBgm& b) { b.StartMp3(); return true; },
       {{"open \"/home/u/My Music/a song.mp3\" type MPEGVideo Alias MP3Play", 0}, {"play MP3Play", 0}}},
      {"mp3 that does not open is not played", 0, "/x.mp3",
       {{"open \"/x.mp3\" type MPEGVideo Alias MP3Play", {275, ""}}},
       [](BlazemereBgm& b) { b.StartMp3(); return true; },
       {{"open \"/x.mp3\" type MPEGVideo Alias MP3Play", 0}}},
      {"mp3 tick while playing sends nothing else", 0, "/x.mp3", {{"status MP3Play mode", {0, "playing"}}},
       [](BlazemereBgm& b) { b.RepeatMp3(); return true; }, {{"status MP3Play mode", 30}}},
      {"mp3 tick after the end plays from 0", 0, "/x.mp3", {{"status MP3Play mode", {0, "stopped"}}},
       [](BlazemereBgm& b) { b.RepeatMp3(); return true; },
       {{"status MP3Play mode", 30}, {"stop MP3Play", 0}, {"play MP3Play from 0", 0}}},
      {"mp3 close", 0, "/x.mp3", {}, [](BlazemereBgm& b) { b.CloseMp3(); return true; },
       {{"stop MP3Play", 0}, {"close MP3Play", 0}}},
      {"cd open", 0, "", {}, [](BlazemereBgm& b) { b.OpenCdAudio(); return true; },
       {{"open cdaudio", 0}, {"set cdaudio time format tmsf", 0}}},
      {"cd close", 0, "", {}, [](BlazemereBgm& b) { b.CloseCdAudio(); return true; },
       {{"stop cdaudio", 0}, {"close cdaudio", 0}}},
      {"repeat 3, disc stopped", 3, "", Disc("1", "stopped"), Watch, WatchQueriesThen(kJumpToTrack3)},
      {"repeat 3, disc on track 1", 3, "", Disc("1", "playing"), Watch, WatchQueriesThen(kJumpToTrack3)},
      {"repeat 3, disc on track 3", 3, "", Disc("3", "playing"), Watch, WatchQueries()},
      {"repeat 3, disc moved on to track 4", 3, "", Disc("4", "playing"), Watch, WatchQueriesThen(kJumpToTrack3)},
      {"repeat 3, stopped on track 3", 3, "", Disc("3", "stopped"), Watch, WatchQueriesThen(kJumpToTrack3)},
      {"repeat 0, disc stopped", 0, "", Disc("2", "stopped"), Watch, WatchQueriesThen({{"play cdaudio", 512}})},
      {"repeat 0, disc playing", 0, "", Disc("2", "playing"), Watch, WatchQueries()},
      {"no disc: the watch ends, nothing played", 3, "", {{kTrack, {kNoDisc, ""}}}, Watch, {{kTrack, 512}}, false},
      {"track count fails", 0, "", {{kTrack, {0, "1"}}, {kCount, {kNoDisc, ""}}}, Watch,
       {{kTrack, 512}, {kCount, 512}}, false},
      {"track reply holding err", 0, "", {{kTrack, {0, "terrible"}}}, Watch, {{kTrack, 512}}, false},
      {"repeat 3, track reply not a number", 3, "", Disc("x1", "playing"), Watch, WatchQueries(), false},
      {"repeat 0 does not read the track as a number", 0, "", Disc("x1", "stopped"), Watch,
       WatchQueriesThen({{"play cdaudio", 512}})},
      {"mode compared on 7 characters", 0, "", Disc("1", "stopped and more"), Watch,
       WatchQueriesThen({{"play cdaudio", 512}})},
  };
  for (const SequenceRow& row : rows) {
    SCOPED_TRACE(row.name);
    RecordingMultimediaLayer layer;
    layer.answers = row.answers;
    host::HostSettings settings;
    settings.bgmRepeat = row.repeat;
    settings.bgmFile = row.file;
    BlazemereBgm bgm(layer, settings);
    EXPECT_EQ(row.action(bgm), row.expectedResult);
    EXPECT_EQ(layer.sent, row.expected);
  }
}

TEST(BlazemereBgm, WavPlaysLoopedOnlyWithAnOutputDevice) {
  const struct {
    const char* name;
    int devices;
    std::vector<std::pair<std::string, std::uint32_t>> expected;
  } rows[] = {
      {"one device", 1, {{"/m/loop.wav", 9}, {"<null>", 0}}},
      {"no device", 0, {{"<null>", 0}}},
      {"failed count", -1, {{"<null>", 0}}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    RecordingMultimediaLayer layer;
    layer.deviceCount = row.devices;
    host::HostSettings settings;
    settings.bgmFile = "/m/loop.wav";
    BlazemereBgm bgm(layer, settings);
    bgm.StartWav();
    bgm.StopWav();
    EXPECT_EQ(layer.sounds, row.expected);
    EXPECT_TRUE(layer.sent.empty());
  }
}

TEST(BlazemereBgm, ErrorRepliesTakeTheirFixedForms) {
  const struct {
    const char* name;
    std::string command;
    Answer answer;
    bool errorTexts;
    std::int32_t expectedCode;
    std::string expectedReply;
    std::string expectedQuery;
  } rows[] = {
      {"empty command", "", {}, true, -1, "コマンド文字列が指定されていません", "Error:-1"},
      {"failure with its text", "status x mode", {263, ""}, true, 263, "text of 263", "Error:263"},
      {"failure without a text", "status x mode", {263, ""}, false, 263, "Error (文字列が取れません)", "Error:263"},
      {"success", "status x mode", {0, "stopped"}, true, 0, "stopped", "stopped"},
      {"reply read up to its NUL", "status x mode", {0, std::string("ab\0cd", 5)}, true, 0, "ab", "ab"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    RecordingMultimediaLayer layer;
    layer.answers[row.command] = row.answer;
    layer.errorTextsAvailable = row.errorTexts;
    host::HostSettings settings;
    BlazemereBgm bgm(layer, settings);
    std::string reply;
    EXPECT_EQ(bgm.SendMciCommand(row.command, reply), row.expectedCode);
    EXPECT_EQ(reply, row.expectedReply);
    EXPECT_EQ(bgm.QueryMci(row.command), row.expectedQuery);
  }
}

TEST(BlazemereBgm, PlayMciDeviceBuildsItsFourForms) {
  const struct {
    std::string from, to, expected;
  } rows[] = {
      {"1", "2", "play cdaudio from 1 to 2"},
      {"1", "", "play cdaudio from 1"},
      {"", "2", "play cdaudio to 2"},
      {"", "", "play cdaudio"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.expected);
    RecordingMultimediaLayer layer;
    layer.answers[row.expected] = {282, ""};
    host::HostSettings settings;
    BlazemereBgm bgm(layer, settings);
    EXPECT_EQ(bgm.PlayMciDevice("cdaudio", row.from, row.to), 282);
    EXPECT_EQ(layer.sent, (std::vector<SentCommand>{{row.expected, 512}}));
    EXPECT_EQ(bgm.mciReply(), "text of 282");
  }
}

}  // namespace
}  // namespace blazemere::music
