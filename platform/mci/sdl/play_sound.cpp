// The PlaySound stand-in over SDL_mixer's sound channels.
#include "platform/mci/sdl/play_sound.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include "platform/mci/multimedia_layer.h"
#include "platform/mci/sdl/local_file_path.h"

namespace blazemere::platform::mci {

bool SoundPlayer::PlaySound(const char* file, std::uint32_t flags) {
  StopSound();
  if (file == nullptr) return true;
  const bool async = (flags & kSndAsync) != 0;
  const bool loop = (flags & kSndLoop) != 0;
  if (loop && !async) return false;  // a looping sound that the caller waits for would never return
  RwHandle source = OpenMusicFile(file);
  if (!source || !output_.Ensure()) return false;
  chunk_ = Mix_LoadWAV_RW(source.release(), 1);
  if (chunk_ == nullptr) return false;
  channel_ = Mix_PlayChannel(-1, chunk_, loop ? -1 : 0);
  if (channel_ < 0) {
    StopSound();
    return false;
  }
  if (!async) {
    while (Mix_Playing(channel_) != 0) SDL_Delay(10);
    StopSound();
  }
  return true;
}

void SoundPlayer::StopSound() {
  if (channel_ >= 0) Mix_HaltChannel(channel_);
  if (chunk_ != nullptr) Mix_FreeChunk(chunk_);
  chunk_ = nullptr;
  channel_ = -1;
}

}  // namespace blazemere::platform::mci
