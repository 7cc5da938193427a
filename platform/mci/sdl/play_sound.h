// PlaySound for WAV files: one sound at a time, played once or looped
// without a gap (the file is decoded once and repeated by the mixer), on
// SDL's audio thread. A new sound replaces the old one; no file stops it.
#pragma once

#include <cstdint>

#include "platform/mci/sdl/audio_output.h"

struct Mix_Chunk;

namespace blazemere::platform::mci {

class SoundPlayer {
 public:
  explicit SoundPlayer(AudioOutput& output) : output_(output) {}
  ~SoundPlayer() { StopSound(); }
  SoundPlayer(const SoundPlayer&) = delete;
  SoundPlayer& operator=(const SoundPlayer&) = delete;

  bool PlaySound(const char* file, std::uint32_t flags);

 private:
  void StopSound();

  AudioOutput& output_;
  Mix_Chunk* chunk_ = nullptr;
  int channel_ = -1;
};

}  // namespace blazemere::platform::mci
