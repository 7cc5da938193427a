// The one SDL audio output every sound of the layer plays through: opened on
// first need and only once, at CD quality, so that CD sectors can be mixed in
// as they are read. Without a sound card it stays closed and reports no
// device.
#pragma once

#include <cstdint>

namespace blazemere::platform::mci {

inline constexpr int kOutputRate = 44100;
inline constexpr int kOutputChannels = 2;  // signed 16-bit samples, interleaved

class AudioOutput {
 public:
  AudioOutput() = default;
  ~AudioOutput();
  AudioOutput(const AudioOutput&) = delete;
  AudioOutput& operator=(const AudioOutput&) = delete;

  // True once the output is open; tries only on the first call.
  bool Ensure();
  // The wave-output device count: 0 when the output cannot be opened.
  int DeviceCount();

  // A function that adds samples to each finished mix, run on SDL's audio
  // thread. Returns only when a previous function can no longer be running.
  using PostMixFunction = void (*)(void* context, std::int16_t* samples, int sampleCount);
  void SetPostMix(PostMixFunction function, void* context);

  // The file player that owns SDL_mixer's single music stream, if any.
  const void* musicOwner = nullptr;

 private:
  static void PostMix(void* self, std::uint8_t* stream, int bytes);

  enum class State { kUntried, kOpen, kFailed };
  State state_ = State::kUntried;
  PostMixFunction postMix_ = nullptr;
  void* postMixContext_ = nullptr;
};

}  // namespace blazemere::platform::mci
