// Result codes of the MCI command-string interpreter and their texts. The
// numbers follow the usual MCI layout (256 upwards, device-specific codes from
// 512); only "0 is success" is relied on by callers.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace blazemere::platform::mci {

enum class MciError : std::uint32_t {
  kNone = 0,
  kUnrecognizedKeyword = 259,
  kUnrecognizedCommand = 261,
  kHardware = 262,
  kInvalidDeviceName = 263,
  kDeviceOpen = 265,
  kCannotLoadDriver = 266,
  kMissingCommandString = 267,
  kBadInteger = 270,
  kMissingParameter = 273,
  kUnsupportedFunction = 274,
  kFileNotFound = 275,
  kDeviceNotReady = 276,
  kOutOfRange = 282,
  kDuplicateAlias = 289,
  kMissingDeviceName = 292,
  kBadTimeFormat = 293,
  kNoClosingQuote = 294,
  kInvalidFile = 296,
  kExtraCharacters = 305,
  kCommandTooLong = 306,
  kDataTrack = 513,
  kNoAudioOutput = 514,
};

constexpr std::uint32_t Code(MciError error) { return static_cast<std::uint32_t>(error); }

// The readable text of a code, or nothing for a code this interpreter never returns.
[[nodiscard]] std::optional<std::string_view> ErrorText(std::uint32_t code);

}  // namespace blazemere::platform::mci
