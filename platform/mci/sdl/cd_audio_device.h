// The "cdaudio" device: an audio CD in a drive or a disc image, played by
// reading its sectors digitally. Answers the status queries of the CD watch
// (current track, number of tracks, mode, track positions) and plays from a
// position to the end of the disc, leaving data tracks out.
#pragma once

#include <memory>
#include <string>

#include "platform/mci/cd_position.h"
#include "platform/mci/mci_device.h"
#include "platform/mci/sdl/audio_output.h"
#include "platform/mci/sdl/cd_audio_stream.h"

namespace blazemere::platform::mci {

class CdAudioDevice final : public MciDevice {
 public:
  // kCannotLoadDriver when there is neither a drive nor a readable image.
  static MciError Open(AudioOutput& output, std::unique_ptr<MciDevice>& device);

  bool IsCdAudio() const override { return true; }
  MciError Play(const MciCommand& command) override;
  MciError Stop() override;
  MciError Status(const MciCommand& command, std::string& reply) override;
  MciError SetTimeFormat(TimeFormat format) override;

 private:
  CdAudioDevice(AudioOutput& output, std::string source)
      : output_(output), source_(source), stream_(output, std::move(source)) {}
  // Reads the table of contents when it is not known yet (a disc put in late).
  bool HasDisc();
  std::int32_t CurrentPosition() const;
  MciError StatusOfTrack(const MciCommand& command, std::string& reply) const;

  AudioOutput& output_;
  std::string source_;
  CdToc toc_;
  TimeFormat format_ = TimeFormat::kMsf;
  std::int32_t stoppedAt_ = 0;  // where play resumes when the stream is not running
  CdAudioStream stream_;
};

}  // namespace blazemere::platform::mci
