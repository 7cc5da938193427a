// Position texts and play ranges of the CD device.
#include "platform/mci/cd_position.h"

#include <algorithm>
#include <cstdio>

namespace blazemere::platform::mci {

namespace {

constexpr std::size_t kMaxFieldDigits = 3;

// "a:b:c" into at most `maxFields` numbers of up to three digits each.
bool SplitFields(std::string_view text, std::size_t maxFields, std::vector<int>& fields) {
  std::size_t digits = 0;
  int value = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    if (i == text.size() || text[i] == ':') {
      if (digits == 0 || fields.size() == maxFields) return false;
      fields.push_back(value);
      digits = 0;
      value = 0;
    } else if (text[i] >= '0' && text[i] <= '9' && digits < kMaxFieldDigits) {
      value = value * 10 + (text[i] - '0');
      ++digits;
    } else {
      return false;
    }
  }
  return true;
}

bool FieldsInRange(const std::vector<int>& msf) {
  // minutes, seconds, frames: whichever of them are given
  static constexpr int kLimits[] = {100, 60, kFramesPerSecond};
  for (std::size_t i = 0; i < msf.size(); ++i) {
    if (msf[i] >= kLimits[i]) return false;
  }
  return true;
}

std::int32_t FramesOf(const std::vector<int>& msf) {
  const int minutes = msf.size() > 0 ? msf[0] : 0;
  const int seconds = msf.size() > 1 ? msf[1] : 0;
  const int frames = msf.size() > 2 ? msf[2] : 0;
  return (minutes * 60 + seconds) * kFramesPerSecond + frames;
}

std::string TwoDigitFields(std::int32_t frames, int track) {
  char text[32];
  const std::int32_t seconds = frames / kFramesPerSecond;
  if (track > 0) {
    std::snprintf(text, sizeof text, "%02d:%02d:%02d:%02d", track, static_cast<int>(seconds / 60),
                  static_cast<int>(seconds % 60), static_cast<int>(frames % kFramesPerSecond));
  } else {
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", static_cast<int>(seconds / 60), static_cast<int>(seconds % 60),
                  static_cast<int>(frames % kFramesPerSecond));
  }
  return text;
}

}  // namespace

const CdTrack* CdToc::Find(int number) const {
  for (const CdTrack& track : tracks) {
    if (track.number == number) return &track;
  }
  return nullptr;
}

const CdTrack& CdToc::TrackAt(std::int32_t lsn) const {
  for (const CdTrack& track : tracks) {
    if (lsn < track.endLsn) return track;
  }
  return tracks.back();
}

PositionResult ParseCdPosition(const CdToc& toc, std::string_view text, TimeFormat format) {
  PositionResult result;
  std::vector<int> fields;
  std::int64_t lsn = 0;
  if (toc.Empty()) {
    result.error = MciError::kDeviceNotReady;
    return result;
  }
  if (format == TimeFormat::kTmsf) {
    if (!SplitFields(text, 4, fields)) return {MciError::kBadInteger, 0};
    const CdTrack* track = toc.Find(fields[0]);
    fields.erase(fields.begin());
    if (track == nullptr || !FieldsInRange(fields)) return {MciError::kOutOfRange, 0};
    lsn = track->startLsn + FramesOf(fields);
  } else if (format == TimeFormat::kMsf) {
    if (!SplitFields(text, 3, fields)) return {MciError::kBadInteger, 0};
    if (!FieldsInRange(fields)) return {MciError::kOutOfRange, 0};
    lsn = FramesOf(fields) - kLeadInFrames;
  } else {
    std::int64_t milliseconds = 0;
    if (text.empty() || text.size() > 9) return {MciError::kBadInteger, 0};
    for (char c : text) {
      if (c < '0' || c > '9') return {MciError::kBadInteger, 0};
      milliseconds = milliseconds * 10 + (c - '0');
    }
    lsn = milliseconds * kFramesPerSecond / 1000 - kLeadInFrames;
  }
  if (lsn < toc.Start() || lsn > toc.End()) return {MciError::kOutOfRange, 0};
  result.lsn = static_cast<std::int32_t>(lsn);
  return result;
}

std::string FormatCdPosition(const CdToc& toc, std::int32_t lsn, TimeFormat format) {
  if (format == TimeFormat::kTmsf) {
    const CdTrack& track = toc.TrackAt(lsn);
    return TwoDigitFields(std::max(0, lsn - track.startLsn), track.number);
  }
  if (format == TimeFormat::kMsf) return TwoDigitFields(lsn + kLeadInFrames, 0);
  return std::to_string(static_cast<std::int64_t>(lsn + kLeadInFrames) * 1000 / kFramesPerSecond);
}

std::string FormatCdLength(std::int32_t frames, TimeFormat format) {
  if (format == TimeFormat::kMilliseconds) {
    return std::to_string(static_cast<std::int64_t>(frames) * 1000 / kFramesPerSecond);
  }
  return TwoDigitFields(frames, 0);
}

PlayPlan PlanCdPlay(const CdToc& toc, std::int32_t from, std::int32_t to, bool fromGiven) {
  PlayPlan plan;
  if (toc.Empty()) return {MciError::kDeviceNotReady, {}};
  if (from > to) return {MciError::kOutOfRange, {}};
  if (fromGiven && from < toc.End() && !toc.TrackAt(from).audio) return {MciError::kDataTrack, {}};
  bool sawData = false;
  for (const CdTrack& track : toc.tracks) {
    const std::int32_t start = std::max(from, track.startLsn);
    const std::int32_t end = std::min(to, track.endLsn);
    if (start >= end) continue;
    if (!track.audio) {
      sawData = true;
      continue;
    }
    if (!plan.segments.empty() && plan.segments.back().endLsn == start) {
      plan.segments.back().endLsn = end;
    } else {
      plan.segments.push_back({start, end});
    }
  }
  if (plan.segments.empty() && sawData) plan.error = MciError::kDataTrack;
  return plan;
}

}  // namespace blazemere::platform::mci
