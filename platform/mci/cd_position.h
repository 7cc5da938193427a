// Positions on an audio CD: the table of contents as the CD device sees it,
// and the position texts of the time formats (tmsf "TT:MM:SS:FF", msf
// "MM:SS:FF", milliseconds). Pure, so every position text can be checked
// against a made-up disc.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/mci/mci_command_parser.h"
#include "platform/mci/mci_error.h"

namespace blazemere::platform::mci {

inline constexpr std::int32_t kFramesPerSecond = 75;  // CD sectors per second
inline constexpr std::int32_t kLeadInFrames = 150;    // msf 00:02:00 is the first sector

struct CdTrack {
  int number = 0;
  std::int32_t startLsn = 0;
  std::int32_t endLsn = 0;  // first sector after the track
  bool audio = true;
};

// Tracks in ascending order, numbered without gaps.
struct CdToc {
  std::vector<CdTrack> tracks;
  bool Empty() const { return tracks.empty(); }
  std::int32_t Start() const { return tracks.front().startLsn; }
  std::int32_t End() const { return tracks.back().endLsn; }
  const CdTrack* Find(int number) const;
  // The track holding `lsn`; the last track at or past the end.
  const CdTrack& TrackAt(std::int32_t lsn) const;
};

struct PositionResult {
  MciError error = MciError::kNone;
  std::int32_t lsn = 0;
};

[[nodiscard]] PositionResult ParseCdPosition(const CdToc& toc, std::string_view text, TimeFormat format);
[[nodiscard]] std::string FormatCdPosition(const CdToc& toc, std::int32_t lsn, TimeFormat format);
[[nodiscard]] std::string FormatCdLength(std::int32_t frames, TimeFormat format);

// The audio sectors a play from `from` to `to` covers, data tracks left out.
struct CdSegment {
  std::int32_t startLsn = 0;
  std::int32_t endLsn = 0;
};
struct PlayPlan {
  MciError error = MciError::kNone;
  std::vector<CdSegment> segments;
};
// A play that is asked to start inside a data track (`fromGiven`), or whose
// range holds nothing but data, is refused with kDataTrack.
PlayPlan PlanCdPlay(const CdToc& toc, std::int32_t from, std::int32_t to, bool fromGiven);

}  // namespace blazemere::platform::mci
