// Turns one MCI command string into a command the interpreter can carry out.
// Pure: no device is touched here, so every string can be checked (and
// fuzzed) without audio.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/text.h"
#include "platform/mci/mci_error.h"

namespace blazemere::platform::mci {

enum class MciVerb { kOpen, kPlay, kStop, kClose, kStatus, kSet };

enum class StatusItem { kMode, kCurrentTrack, kNumberOfTracks, kPosition, kLength, kMediaPresent, kReady, kTimeFormat };

enum class TimeFormat { kMilliseconds, kMsf, kTmsf };

// The name "status ... time format" replies with.
[[nodiscard]] std::string_view TimeFormatName(TimeFormat format);

struct MciCommand {
  MciVerb verb = MciVerb::kStatus;
  std::string device;  // as written: a device type, an alias or (open) a file path
  std::string type;    // open: the "type" value, empty when absent
  std::string alias;   // open: the "alias" value, empty when absent
  std::optional<std::string> from;  // play
  std::optional<std::string> to;    // play
  StatusItem item = StatusItem::kMode;
  std::optional<int> track;  // status position/length: "track N"
  TimeFormat timeFormat = TimeFormat::kMilliseconds;  // set
};

struct ParsedCommand {
  MciError error = MciError::kNone;
  MciCommand command;  // meaningful only without error
};

// Longest command string taken; longer ones fail with kCommandTooLong.
inline constexpr std::size_t kMaxCommandLength = 8192;

// Keywords are matched without regard to case; a name in double quotes may
// hold blanks, and a quote written twice inside them stands for one quote.
// "wait" and "notify" are accepted and ignored.
[[nodiscard]] ParsedCommand ParseMciCommand(std::string_view text);

}  // namespace blazemere::platform::mci
