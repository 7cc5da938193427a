// A music file (MP3, WAV or whatever SDL_mixer decodes) opened under an alias
// and played through SDL_mixer's music stream. Only one file can use that
// stream at a time: playing one file stops another.
#pragma once

#include <memory>
#include <string>

#include "platform/mci/mci_device.h"
#include "platform/mci/sdl/audio_output.h"

struct _Mix_Music;

namespace blazemere::platform::mci {

class FilePlayerDevice final : public MciDevice {
 public:
  // kFileNotFound, kNoAudioOutput or kInvalidFile when it cannot be played.
  static MciError Open(AudioOutput& output, const std::string& fileName, std::unique_ptr<MciDevice>& device);
  ~FilePlayerDevice() override;

  bool IsCdAudio() const override { return false; }
  MciError Play(const MciCommand& command) override;
  MciError Stop() override;
  MciError Status(const MciCommand& command, std::string& reply) override;
  MciError SetTimeFormat(TimeFormat format) override;

 private:
  FilePlayerDevice(AudioOutput& output, _Mix_Music* music) : output_(output), music_(music) {}
  bool OwnsStream() const { return output_.musicOwner == this; }
  bool IsPlaying() const;

  AudioOutput& output_;
  _Mix_Music* music_;
  bool paused_ = false;
};

}  // namespace blazemere::platform::mci
