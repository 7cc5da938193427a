// Background music while the saver runs: an MP3 played and repeated, a WAV
// looped, or an audio CD kept playing (optionally holding one track), all
// through MCI command strings and PlaySound.
#pragma once

#include <cstdint>
#include <string>

#include "host/core/settings/host_settings.h"
#include "platform/mci/multimedia_layer.h"

namespace blazemere::music {

class BlazemereBgm {
 public:
  BlazemereBgm(platform::MultimediaLayer& layer, const host::HostSettings& settings)
      : layer_(layer), settings_(settings) {}

  void OpenCdAudio();
  bool WatchCdAudio();  // returns cdKeepWatching
  void CloseCdAudio();
  void StartMp3();
  bool IsMp3Playing();
  void RepeatMp3();
  void CloseMp3();
  void StartWav();
  void StopWav();

  std::int32_t SendMciCommand(const std::string& command, std::string& reply);
  std::string QueryMci(const std::string& command);
  std::int32_t PlayMciDevice(const std::string& device, const std::string& from, const std::string& to);

 private:
  std::uint32_t SendPlain(const std::string& command);
  static std::string UpToNul(const std::string& text);

  platform::MultimediaLayer& layer_;
  const host::HostSettings& settings_;
  bool cdKeepWatching_ = false;
  std::string mciReply_;
};

}  // namespace blazemere::music
