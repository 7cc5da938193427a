// Table of contents of the drive or image through libcdio.
#include "platform/mci/cd_disc.h"

#include <cdio/cdio.h>
#include <cdio/logging.h>

#include <cstdlib>
#include <memory>

namespace blazemere::platform::mci {

namespace {
void IgnoreCdioMessage(cdio_log_level_t, const char*) {}

struct CdioCloser {
  void operator()(CdIo_t* cdio) const { cdio_destroy(cdio); }
};
using CdioHandle = std::unique_ptr<CdIo_t, CdioCloser>;

CdioHandle OpenSource(const std::string& source) { return CdioHandle(cdio_open(source.c_str(), DRIVER_UNKNOWN)); }
}  // namespace

void SilenceCdioLog() { cdio_log_set_handler(&IgnoreCdioMessage); }

std::optional<std::string> CdSourceName() {
  const char* named = std::getenv("BLAZEMERE_CDROM");
  if (named != nullptr && named[0] != '\0') return std::string(named);
  char* drive = cdio_get_default_device(nullptr);
  if (drive == nullptr) return std::nullopt;
  std::string name(drive);
  cdio_free(drive);
  return name;
}

bool CdSourceOpens(const std::string& source) { return OpenSource(source) != nullptr; }

CdToc ReadCdToc(const std::string& source) {
  CdToc toc;
  const CdioHandle cdio = OpenSource(source);
  if (!cdio) return toc;
  const track_t first = cdio_get_first_track_num(cdio.get());
  const track_t count = cdio_get_num_tracks(cdio.get());
  if (first == CDIO_INVALID_TRACK || count == CDIO_INVALID_TRACK || count == 0) return toc;
  for (track_t i = first; i < first + count; ++i) {
    CdTrack track;
    track.number = i;
    track.startLsn = cdio_get_track_lsn(cdio.get(), i);
    const lsn_t last = cdio_get_track_last_lsn(cdio.get(), i);
    if (track.startLsn == CDIO_INVALID_LSN || last == CDIO_INVALID_LSN || last < track.startLsn) return CdToc{};
    track.endLsn = last + 1;
    track.audio = cdio_get_track_format(cdio.get(), i) == TRACK_FORMAT_AUDIO;
    toc.tracks.push_back(track);
  }
  return toc;
}

}  // namespace blazemere::platform::mci
