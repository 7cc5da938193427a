// Readable texts for the interpreter's result codes, as mciGetErrorString
// hands them out.
#include "platform/mci/mci_error.h"

namespace blazemere::platform::mci {

namespace {
struct ErrorEntry {
  MciError error;
  std::string_view text;
};

constexpr ErrorEntry kErrorTexts[] = {
    {MciError::kUnrecognizedKeyword, "A parameter of the command is not recognized."},
    {MciError::kUnrecognizedCommand, "The command is not recognized."},
    {MciError::kHardware, "The device reported a hardware error."},
    {MciError::kInvalidDeviceName, "The device is not open or its name is not recognized."},
    {MciError::kDeviceOpen, "A device of that name is already open."},
    {MciError::kCannotLoadDriver, "No CD drive or disc image was found."},
    {MciError::kMissingCommandString, "No command was given."},
    {MciError::kBadInteger, "A number in the command is not valid."},
    {MciError::kMissingParameter, "The command needs a parameter that is missing."},
    {MciError::kUnsupportedFunction, "The device cannot carry out this command."},
    {MciError::kFileNotFound, "The file cannot be found."},
    {MciError::kDeviceNotReady, "There is no disc in the drive, or the drive is not ready."},
    {MciError::kOutOfRange, "A position or track number is out of range."},
    {MciError::kDuplicateAlias, "The alias is already in use."},
    {MciError::kMissingDeviceName, "The command names no device."},
    {MciError::kBadTimeFormat, "The time format is not supported by the device."},
    {MciError::kNoClosingQuote, "A quoted name has no closing double quote."},
    {MciError::kInvalidFile, "The file cannot be played: its format is not recognized."},
    {MciError::kExtraCharacters, "The command has more words than it takes."},
    {MciError::kCommandTooLong, "The command string is too long."},
    {MciError::kDataTrack, "The track holds data, not audio, and cannot be played."},
    {MciError::kNoAudioOutput, "No audio output device can be opened."},
};
}  // namespace

std::optional<std::string_view> ErrorText(std::uint32_t code) {
  for (const ErrorEntry& entry : kErrorTexts) {
    if (Code(entry.error) == code) return entry.text;
  }
  return std::nullopt;
}

}  // namespace blazemere::platform::mci
