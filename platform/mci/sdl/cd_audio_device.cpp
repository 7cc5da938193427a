// MCI semantics of the CD device on top of the table of contents and the
// audio stream.
#include "platform/mci/sdl/cd_audio_device.h"

#include "platform/mci/sdl/cd_disc.h"

namespace blazemere::platform::mci {

MciError CdAudioDevice::Open(AudioOutput& output, std::unique_ptr<MciDevice>& device) {
  SilenceCdioLog();
  const std::optional<std::string> source = CdSourceName();
  if (!source || !CdSourceOpens(*source)) return MciError::kCannotLoadDriver;
  auto cd = std::unique_ptr<CdAudioDevice>(new CdAudioDevice(output, *source));
  cd->HasDisc();
  device = std::move(cd);
  return MciError::kNone;
}

bool CdAudioDevice::HasDisc() {
  if (toc_.Empty()) {
    toc_ = ReadCdToc(source_);
    if (!toc_.Empty()) stoppedAt_ = toc_.Start();
  }
  return !toc_.Empty();
}

// While playing, the sector heard. A play that ran out of audio to play
// leaves the position at the disc's start, so that a plain "play" plays the
// disc again instead of nothing.
std::int32_t CdAudioDevice::CurrentPosition() const {
  if (!stream_.Started()) return stoppedAt_;
  const std::int32_t heard = stream_.Position();
  if (stream_.Playing()) return heard;
  return PlanCdPlay(toc_, heard, toc_.End(), false).segments.empty() ? toc_.Start() : heard;
}

MciError CdAudioDevice::Play(const MciCommand& command) {
  if (!HasDisc()) return MciError::kDeviceNotReady;
  std::int32_t from = CurrentPosition();
  std::int32_t to = toc_.End();
  for (auto [text, lsn] : {std::pair{&command.from, &from}, std::pair{&command.to, &to}}) {
    if (!text->has_value()) continue;
    const PositionResult position = ParseCdPosition(toc_, **text, format_);
    if (position.error != MciError::kNone) return position.error;
    *lsn = position.lsn;
  }
  PlayPlan plan = PlanCdPlay(toc_, from, to, command.from.has_value());
  if (plan.error != MciError::kNone) return plan.error;
  if (!output_.Ensure()) return MciError::kNoAudioOutput;
  stream_.Stop();
  stoppedAt_ = from;
  if (!plan.segments.empty()) stream_.Start(std::move(plan.segments));
  return MciError::kNone;
}

MciError CdAudioDevice::Stop() {
  if (!HasDisc()) return MciError::kDeviceNotReady;
  stoppedAt_ = CurrentPosition();
  stream_.Stop();
  return MciError::kNone;
}

MciError CdAudioDevice::Status(const MciCommand& command, std::string& reply) {
  const bool disc = HasDisc();
  switch (command.item) {
    case StatusItem::kMode:
      reply = !disc ? "not ready" : stream_.Playing() ? "playing" : "stopped";
      return MciError::kNone;
    case StatusItem::kMediaPresent:
    case StatusItem::kReady:
      reply = disc ? "true" : "false";
      return MciError::kNone;
    case StatusItem::kTimeFormat:
      reply = TimeFormatName(format_);
      return MciError::kNone;
    default:
      break;
  }
  if (!disc) return MciError::kDeviceNotReady;
  switch (command.item) {
    case StatusItem::kCurrentTrack:
      reply = std::to_string(toc_.TrackAt(CurrentPosition()).number);
      return MciError::kNone;
    case StatusItem::kNumberOfTracks:
      reply = std::to_string(toc_.tracks.size());
      return MciError::kNone;
    default:
      return StatusOfTrack(command, reply);
  }
}

MciError CdAudioDevice::StatusOfTrack(const MciCommand& command, std::string& reply) const {
  const CdTrack* track = nullptr;
  if (command.track) {
    track = toc_.Find(*command.track);
    if (track == nullptr) return MciError::kOutOfRange;
  }
  if (command.item == StatusItem::kPosition) {
    reply = FormatCdPosition(toc_, track ? track->startLsn : CurrentPosition(), format_);
  } else {
    reply = FormatCdLength(track ? track->endLsn - track->startLsn : toc_.End() - toc_.Start(), format_);
  }
  return MciError::kNone;
}

MciError CdAudioDevice::SetTimeFormat(TimeFormat format) {
  format_ = format;
  return MciError::kNone;
}

}  // namespace blazemere::platform::mci
