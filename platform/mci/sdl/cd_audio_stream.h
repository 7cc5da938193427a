// CD audio on its way to the speakers: a feeder thread reads sectors ahead
// into a small ring, and SDL's audio thread adds them to each mix. The
// position heard is the sector the audio thread is playing, so the current
// track follows what the listener hears, not what was read.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "platform/mci/cd_position.h"
#include "platform/mci/sdl/audio_output.h"

namespace blazemere::platform::mci {

class CdAudioStream {
 public:
  CdAudioStream(AudioOutput& output, std::string source) : output_(output), source_(std::move(source)) {}
  ~CdAudioStream() { Stop(); }
  CdAudioStream(const CdAudioStream&) = delete;
  CdAudioStream& operator=(const CdAudioStream&) = delete;

  // Plays `segments` in order, replacing whatever played. The output must be open.
  void Start(std::vector<CdSegment> segments);
  // Silent at once, and forgets the stream; a reader stuck on the drive is
  // left to finish alone.
  void Stop();

  // A stream was started and not stopped (it may have run to its end).
  bool Started() const { return shared_ != nullptr; }
  // True until the last sector of the last segment has been heard.
  bool Playing() const;
  // The sector being heard; after the end, the first sector past the last segment.
  std::int32_t Position() const;

  struct Shared;

 private:
  AudioOutput& output_;
  std::string source_;
  std::shared_ptr<Shared> shared_;
  std::thread feeder_;
};

}  // namespace blazemere::platform::mci
