// The command-string grammar and the CD position texts of the multimedia
// layer, without any device.
#include "platform/mci/mci_command_parser.h"

#include <gtest/gtest.h>

#include "platform/mci/cd_position.h"

namespace blazemere::platform::mci {
namespace {

TEST(MciCommandParser, ReadsWhatTheMusicModuleSendsAndRefusesTheRest) {
  const struct {
    std::string text;
    MciError error;
    MciVerb verb;
    std::string device;
    std::string detail;  // alias, from, or the status item's number
  } rows[] = {
      {"open \"/a b/c d.mp3\" type MPEGVideo Alias MP3Play", MciError::kNone, MciVerb::kOpen, "/a b/c d.mp3", "MP3Play"},
      {"OPEN \"x.mp3\" TYPE mpegvideo ALIAS m wait", MciError::kNone, MciVerb::kOpen, "x.mp3", "m"},
      {"open \"/a b\" alias \"wait\"", MciError::kNone, MciVerb::kOpen, "/a b", "wait"},
      {"play MP3Play from 0", MciError::kNone, MciVerb::kPlay, "MP3Play", "0"},
      {"play cdaudio from 03:00:00:00", MciError::kNone, MciVerb::kPlay, "cdaudio", "03:00:00:00"},
      {"  status\tcdaudio   current  track ", MciError::kNone, MciVerb::kStatus, "cdaudio", ""},
      {"status cdaudio position track 12", MciError::kNone, MciVerb::kStatus, "cdaudio", "12"},
      {"set cdaudio time format TMSF", MciError::kNone, MciVerb::kSet, "cdaudio", ""},
      {"", MciError::kMissingCommandString, MciVerb::kOpen, "", ""},
      {"dance cdaudio", MciError::kUnrecognizedCommand, MciVerb::kOpen, "", ""},
      {"\"play\" cdaudio", MciError::kUnrecognizedCommand, MciVerb::kOpen, "", ""},
      {"play", MciError::kMissingDeviceName, MciVerb::kOpen, "", ""},
      {"play \"\"", MciError::kMissingDeviceName, MciVerb::kOpen, "", ""},
      {"open \"/no/closing.mp3 type MPEGVideo", MciError::kNoClosingQuote, MciVerb::kOpen, "", ""},
      {"open x.mp3 alias", MciError::kMissingParameter, MciVerb::kOpen, "", ""},
      {"play cdaudio from", MciError::kMissingParameter, MciVerb::kOpen, "", ""},
      {"play cdaudio backwards", MciError::kUnrecognizedKeyword, MciVerb::kOpen, "", ""},
      {"status cdaudio", MciError::kMissingParameter, MciVerb::kOpen, "", ""},
      {"status cdaudio current", MciError::kUnrecognizedKeyword, MciVerb::kOpen, "", ""},
      {"status cdaudio position track -1", MciError::kBadInteger, MciVerb::kOpen, "", ""},
      {"status cdaudio position track 99999999999", MciError::kBadInteger, MciVerb::kOpen, "", ""},
      {"set cdaudio time format frames", MciError::kBadTimeFormat, MciVerb::kOpen, "", ""},
      {std::string(kMaxCommandLength + 1, 'a'), MciError::kCommandTooLong, MciVerb::kOpen, "", ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text.substr(0, 60));
    const ParsedCommand parsed = ParseMciCommand(row.text);
    ASSERT_EQ(parsed.error, row.error);
    if (row.error != MciError::kNone) continue;
    EXPECT_EQ(parsed.command.verb, row.verb);
    EXPECT_EQ(parsed.command.device, row.device);
    if (row.verb == MciVerb::kOpen) {
      EXPECT_EQ(parsed.command.alias, row.detail);
    } else if (row.verb == MciVerb::kPlay) {
      EXPECT_EQ(parsed.command.from.value_or(""), row.detail);
    } else if (!row.detail.empty()) {
      EXPECT_EQ(parsed.command.track, std::stoi(row.detail));
    }
  }
}

// Data track 1 (sectors 0-299), audio tracks 2 (300-449) and 3 (450-749).
CdToc MixedModeDisc() { return CdToc{{{1, 0, 300, false}, {2, 300, 450, true}, {3, 450, 750, true}}}; }

TEST(CdPosition, ReadsAndWritesTheTimeFormats) {
  const CdToc toc = MixedModeDisc();
  const struct {
    std::string text;
    TimeFormat format;
    MciError error;
    std::int32_t lsn;
  } rows[] = {
      {"03:00:00:00", TimeFormat::kTmsf, MciError::kNone, 450},
      {"3", TimeFormat::kTmsf, MciError::kNone, 450},
      {"2:00:01:05", TimeFormat::kTmsf, MciError::kNone, 380},
      {"4:00:00:00", TimeFormat::kTmsf, MciError::kOutOfRange, 0},
      {"3:00:05:00", TimeFormat::kTmsf, MciError::kOutOfRange, 0},  // past the disc's end
      {"2:00:00:75", TimeFormat::kTmsf, MciError::kOutOfRange, 0},
      {"2:00:00:00:00", TimeFormat::kTmsf, MciError::kBadInteger, 0},
      {"2::00", TimeFormat::kTmsf, MciError::kBadInteger, 0},
      {"Error:276", TimeFormat::kTmsf, MciError::kBadInteger, 0},
      {"00:06:00", TimeFormat::kMsf, MciError::kNone, 300},
      {"00:01:00", TimeFormat::kMsf, MciError::kOutOfRange, 0},
      {"6000", TimeFormat::kMilliseconds, MciError::kNone, 300},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    const PositionResult result = ParseCdPosition(toc, row.text, row.format);
    EXPECT_EQ(result.error, row.error);
    if (row.error == MciError::kNone) {
      EXPECT_EQ(result.lsn, row.lsn);
    }
  }
  EXPECT_EQ(FormatCdPosition(toc, 380, TimeFormat::kTmsf), "02:00:01:05");
  EXPECT_EQ(FormatCdPosition(toc, 300, TimeFormat::kMsf), "00:06:00");
  EXPECT_EQ(FormatCdPosition(toc, 750, TimeFormat::kTmsf), "03:00:04:00");
}

// Where a mixed disc's data track is skipped or refused is shown on a real
// image by the playback tests; a disc of data alone has nothing to play.
TEST(CdPosition, ADataOnlyDiscRefusesToPlay) {
  EXPECT_EQ(PlanCdPlay(CdToc{{{1, 0, 300, false}}}, 0, 300, false).error, MciError::kDataTrack);
}

}  // namespace
}  // namespace blazemere::platform::mci
