// The music module: MCI command strings for the MP3 file and the audio CD,
// PlaySound for the WAV file. Nothing here reports a failure to the saver
// run; a command that fails simply has no effect.
#include "host/core/music/blazemere_bgm.h"

#include <limits>
#include <optional>

#include "common/number_text.h"
#include "common/text.h"

namespace blazemere::music {

namespace {

constexpr std::size_t kReplySize = 512;
constexpr std::size_t kErrorTextSize = 256;
constexpr std::size_t kCdModeReplySize = 255;
constexpr std::size_t kMp3ModeReplySize = 30;
constexpr std::size_t kModeLength = 7;  // "playing" / "stopped"
constexpr std::uint32_t kWavFlags = platform::kSndAsync | platform::kSndLoop;

constexpr const char* kMp3Alias = "MP3Play";
constexpr const char* kCdDevice = "cdaudio";
constexpr const char* kNoCommandText = "コマンド文字列が指定されていません";
constexpr const char* kNoErrorText = "Error (文字列が取れません)";

bool ContainsErrUpperCased(const std::string& text) { return UpperAscii(text).find("ERR") != std::string::npos; }

// A track reply read as a 16-bit number, blanks around it allowed; nothing
// when it is not one.
std::optional<std::int16_t> TrackNumber(const std::string& text) {
  const std::optional<std::int64_t> number = ReadInteger(text, " ");
  if (!number || *number < std::numeric_limits<std::int16_t>::min() ||
      *number > std::numeric_limits<std::int16_t>::max()) {
    return std::nullopt;
  }
  return static_cast<std::int16_t>(*number);
}

// A quote inside a quoted name is written twice, as the command-string reader
// wants it. Names without one, every name Windows allows among them, go as
// they are.
std::string QuoteInnerQuotes(const std::string& name) {
  std::string written;
  for (char c : name) {
    written.push_back(c);
    if (c == '"') written.push_back('"');
  }
  return written;
}

}  // namespace

// Sends without a reply buffer; the result is looked at only by StartMp3.
std::uint32_t BlazemereBgm::SendPlain(const std::string& command) {
  std::string ignored;
  return layer_.SendCommandString(command, ignored, 0);
}

void BlazemereBgm::OpenCdAudio() {
  SendPlain("open cdaudio");
  SendPlain("set cdaudio time format tmsf");
}

bool BlazemereBgm::WatchCdAudio() {
  cdKeepWatching_ = true;
  const std::string track = QueryMci("status cdaudio current track");
  if (ContainsErrUpperCased(track)) return cdKeepWatching_ = false;
  const std::string count = QueryMci("status cdaudio number of tracks");
  if (ContainsErrUpperCased(count)) return cdKeepWatching_ = false;

  std::string modeReply;
  layer_.SendCommandString("status cdaudio mode", modeReply, kCdModeReplySize);
  const std::string mode = modeReply.substr(0, kModeLength);

  const std::int16_t repeat = settings_.bgmRepeat;
  if (repeat != 0) {
    const std::optional<std::int16_t> trackNumber = TrackNumber(track);
    if (!trackNumber) return cdKeepWatching_ = false;
    if (mode == "stopped" || *trackNumber != repeat) {
      const std::string start = QueryMci("status cdaudio position track " + std::to_string(repeat));
      PlayMciDevice(kCdDevice, start, "");
    }
  } else if (mode == "stopped") {
    PlayMciDevice(kCdDevice, "", "");
  }
  return cdKeepWatching_;
}

void BlazemereBgm::CloseCdAudio() {
  SendPlain("stop cdaudio");
  SendPlain("close cdaudio");
}

void BlazemereBgm::StartMp3() {
  const std::string open = "open \"" + QuoteInnerQuotes(settings_.bgmFile) + "\" type MPEGVideo Alias " + kMp3Alias;
  if (SendPlain(open) == 0) SendPlain(std::string("play ") + kMp3Alias);
}

bool BlazemereBgm::IsMp3Playing() {
  std::string reply;
  layer_.SendCommandString(std::string("status ") + kMp3Alias + " mode", reply, kMp3ModeReplySize);
  return reply.substr(0, kModeLength) == "playing";
}

void BlazemereBgm::RepeatMp3() {
  if (IsMp3Playing()) return;
  SendPlain(std::string("stop ") + kMp3Alias);
  SendPlain(std::string("play ") + kMp3Alias + " from 0");
}

void BlazemereBgm::CloseMp3() {
  SendPlain(std::string("stop ") + kMp3Alias);
  SendPlain(std::string("close ") + kMp3Alias);
}

void BlazemereBgm::StartWav() {
  if (layer_.WaveOutDeviceCount() <= 0) return;
  layer_.PlaySound(settings_.bgmFile.c_str(), kWavFlags);
}

void BlazemereBgm::StopWav() { layer_.PlaySound(nullptr, 0); }

std::int32_t BlazemereBgm::SendMciCommand(const std::string& command, std::string& reply) {
  if (command.empty()) {
    reply = kNoCommandText;
    return -1;
  }
  std::string answer;
  const std::uint32_t code = layer_.SendCommandString(command, answer, kReplySize);
  if (code != 0) {
    std::string errorText;
    reply = layer_.GetErrorString(code, errorText, kErrorTextSize) ? UpToNul(errorText) : kNoErrorText;
    return static_cast<std::int32_t>(code);
  }
  reply = UpToNul(answer);
  return 0;
}

std::string BlazemereBgm::QueryMci(const std::string& command) {
  const std::int32_t code = SendMciCommand(command, mciReply_);
  if (code != 0) return "Error:" + std::to_string(code);
  return mciReply_;
}

std::int32_t BlazemereBgm::PlayMciDevice(const std::string& device, const std::string& from, const std::string& to) {
  std::string command = "play " + device;
  if (!from.empty()) command += " from " + from;
  if (!to.empty()) command += " to " + to;
  return SendMciCommand(command, mciReply_);
}

std::string BlazemereBgm::UpToNul(const std::string& text) { return text.substr(0, text.find('\0')); }

}  // namespace blazemere::music
