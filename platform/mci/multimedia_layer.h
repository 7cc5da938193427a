// The multimedia services the music module talks to, shaped like the
// platform's own calls: MCI command strings, their error texts, PlaySound and
// the wave-output device count. The music module sees only this interface, so
// tests can record exactly what it sends.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace blazemere::platform {

inline constexpr std::uint32_t kSndAsync = 0x0001;
inline constexpr std::uint32_t kSndLoop = 0x0008;

class MultimediaLayer {
 public:
  virtual ~MultimediaLayer() = default;

  // mciSendString: 0 on success, an error code otherwise. `reply` receives
  // the reply text cut to replySize - 1 characters (nothing when replySize is 0).
  virtual std::uint32_t SendCommandString(const std::string& command, std::string& reply,
                                          std::size_t replySize) = 0;
  // mciGetErrorString: false when there is no text for `code`; `text` is cut
  // to textSize - 1 characters.
  virtual bool GetErrorString(std::uint32_t code, std::string& text, std::size_t textSize) = 0;
  // PlaySound(file, no module, flags); a null file stops what is playing.
  virtual bool PlaySound(const char* file, std::uint32_t flags) = 0;
  // waveOutGetNumDevs: 0 where no audio output can be opened.
  virtual int WaveOutDeviceCount() = 0;
};

// The real layer of this machine (SDL2 audio, libcdio for audio CDs).
std::unique_ptr<MultimediaLayer> CreateMultimediaLayer();

}  // namespace blazemere::platform
