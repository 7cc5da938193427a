// SDL and SDL_mixer set-up for the multimedia layer.
#include "platform/mci/sdl/audio_output.h"

#include <SDL.h>
#include <SDL_mixer.h>

namespace blazemere::platform::mci {

namespace {
constexpr int kChunkFrames = 1024;  // about 23 ms: stops are heard at once
}

AudioOutput::~AudioOutput() {
  if (state_ != State::kOpen) return;
  Mix_SetPostMix(nullptr, nullptr);
  Mix_HaltMusic();
  Mix_HaltChannel(-1);
  Mix_CloseAudio();
  Mix_Quit();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool AudioOutput::Ensure() {
  if (state_ != State::kUntried) return state_ == State::kOpen;
  state_ = State::kFailed;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  // No format changes allowed: SDL converts for the card, and the CD's
  // 44.1 kHz 16-bit stereo sectors can be added to the mix as they are.
  if (Mix_OpenAudioDevice(kOutputRate, AUDIO_S16SYS, kOutputChannels, kChunkFrames, nullptr, 0) != 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  Mix_Init(MIX_INIT_MP3);  // MP3 may also be built in; a failure here only loses MP3
  state_ = State::kOpen;
  return true;
}

int AudioOutput::DeviceCount() {
  if (!Ensure()) return 0;
  const int count = SDL_GetNumAudioDevices(0);
  return count > 0 ? count : 1;  // drivers that cannot list devices still opened one
}

void AudioOutput::SetPostMix(PostMixFunction function, void* context) {
  if (state_ != State::kOpen) return;
  // Mix_SetPostMix holds SDL's audio lock, so the old function is not running
  // once this returns; the members change under the same lock.
  Mix_SetPostMix(nullptr, nullptr);
  postMix_ = function;
  postMixContext_ = context;
  if (function != nullptr) Mix_SetPostMix(&AudioOutput::PostMix, this);
}

void AudioOutput::PostMix(void* self, std::uint8_t* stream, int bytes) {
  auto* output = static_cast<AudioOutput*>(self);
  if (output->postMix_ == nullptr) return;
  output->postMix_(output->postMixContext_, reinterpret_cast<std::int16_t*>(stream),
                   bytes / static_cast<int>(sizeof(std::int16_t)));
}

}  // namespace blazemere::platform::mci
