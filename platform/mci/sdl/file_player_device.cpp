// Music files under an alias: play (from a millisecond position), stop, which
// keeps the position like a pause, and the mode the host polls.
#include "platform/mci/sdl/file_player_device.h"

#include <SDL_mixer.h>

#include <charconv>

#include "platform/mci/sdl/local_file_path.h"

namespace blazemere::platform::mci {

namespace {
bool ParseMilliseconds(const std::string& text, long long& milliseconds) {
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), milliseconds);
  return ec == std::errc() && end == text.data() + text.size() && milliseconds >= 0;
}

// The name's ending as the first guess of the format, as SDL_mixer guesses
// for a file it opens by name; anything else is told by its first bytes.
Mix_MusicType TypeByName(const std::string& fileName) {
  const std::size_t dot = fileName.rfind('.');
  const std::string ending = dot == std::string::npos ? std::string() : LowerAscii(fileName.substr(dot + 1));
  if (ending == "mp3") return MUS_MP3;
  if (ending == "wav") return MUS_WAV;
  return MUS_NONE;
}
}  // namespace

MciError FilePlayerDevice::Open(AudioOutput& output, const std::string& fileName, std::unique_ptr<MciDevice>& device) {
  RwHandle file = OpenMusicFile(fileName);
  if (!file) return MciError::kFileNotFound;
  if (!output.Ensure()) return MciError::kNoAudioOutput;
  // The music keeps the file open while it streams and closes it when freed.
  Mix_Music* music = Mix_LoadMUSType_RW(file.release(), TypeByName(fileName), 1);
  if (music == nullptr) return MciError::kInvalidFile;
  device.reset(new FilePlayerDevice(output, music));
  return MciError::kNone;
}

FilePlayerDevice::~FilePlayerDevice() {
  if (OwnsStream()) {
    Mix_HaltMusic();
    output_.musicOwner = nullptr;
  }
  Mix_FreeMusic(music_);
}

bool FilePlayerDevice::IsPlaying() const { return OwnsStream() && !paused_ && Mix_PlayingMusic() != 0; }

MciError FilePlayerDevice::Play(const MciCommand& command) {
  if (command.to) return MciError::kUnsupportedFunction;
  long long from = 0;
  if (command.from && !ParseMilliseconds(*command.from, from)) return MciError::kBadInteger;
  const double duration = Mix_MusicDuration(music_);
  if (duration >= 0 && static_cast<double>(from) > duration * 1000.0) return MciError::kOutOfRange;
  if (!command.from && OwnsStream() && paused_) {
    Mix_ResumeMusic();
    paused_ = false;
    return MciError::kNone;
  }
  if (!command.from && OwnsStream()) return MciError::kNone;  // playing, or at its end
  paused_ = false;
  output_.musicOwner = this;
  if (Mix_PlayMusic(music_, 0) != 0) {
    output_.musicOwner = nullptr;
    return MciError::kHardware;
  }
  if (from > 0 && Mix_SetMusicPosition(static_cast<double>(from) / 1000.0) != 0) {
    Mix_HaltMusic();
    return MciError::kOutOfRange;
  }
  return MciError::kNone;
}

MciError FilePlayerDevice::Stop() {
  if (IsPlaying()) {
    Mix_PauseMusic();
    paused_ = true;
  }
  return MciError::kNone;
}

MciError FilePlayerDevice::Status(const MciCommand& command, std::string& reply) {
  switch (command.item) {
    case StatusItem::kMode:
      reply = IsPlaying() ? "playing" : "stopped";
      return MciError::kNone;
    case StatusItem::kReady:
    case StatusItem::kMediaPresent:
      reply = "true";
      return MciError::kNone;
    case StatusItem::kTimeFormat:
      reply = TimeFormatName(TimeFormat::kMilliseconds);  // the only one it takes
      return MciError::kNone;
    case StatusItem::kLength: {
      const double seconds = Mix_MusicDuration(music_);
      if (seconds < 0) return MciError::kUnsupportedFunction;
      reply = std::to_string(static_cast<long long>(seconds * 1000.0));
      return MciError::kNone;
    }
    case StatusItem::kPosition: {
      const double seconds = OwnsStream() ? Mix_GetMusicPosition(music_) : 0.0;
      reply = std::to_string(static_cast<long long>(seconds > 0 ? seconds * 1000.0 : 0.0));
      return MciError::kNone;
    }
    case StatusItem::kCurrentTrack:
    case StatusItem::kNumberOfTracks:
      return MciError::kUnsupportedFunction;
  }
  return MciError::kUnsupportedFunction;
}

MciError FilePlayerDevice::SetTimeFormat(TimeFormat format) {
  return format == TimeFormat::kMilliseconds ? MciError::kNone : MciError::kBadTimeFormat;
}

}  // namespace blazemere::platform::mci
