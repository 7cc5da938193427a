// Table of contents of the drive or image through libcdio.
#include "platform/mci/sdl/cd_disc.h"

#include <cdio/cdio.h>
#include <cdio/logging.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <memory>

#include "platform/mci/cd_image_files.h"

namespace blazemere::platform::mci {

namespace {

constexpr std::size_t kLongestSheet = 1 << 20;  // a sheet of a thousand tracks is some 100 KB

void IgnoreCdioMessage(cdio_log_level_t, const char*) {}

struct CdioCloser {
  void operator()(CdIo_t* cdio) const { cdio_destroy(cdio); }
};
using CdioHandle = std::unique_ptr<CdIo_t, CdioCloser>;

bool IsRegularOrMissing(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) != 0 || S_ISREG(info.st_mode);
}

// The sheet's text, read without waiting on a pipe; nothing when it is not a
// regular file of sensible size.
std::optional<std::string> ReadSheet(const std::string& path) {
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return std::string();  // missing: libcdio fails on it by itself
  struct stat info {};
  std::optional<std::string> text;
  if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && static_cast<std::size_t>(info.st_size) <= kLongestSheet) {
    text.emplace(static_cast<std::size_t>(info.st_size), '\0');
    const ssize_t got = read(fd, text->data(), text->size());
    if (got < 0) text.reset();
    else text->resize(static_cast<std::size_t>(got));
  }
  close(fd);
  return text;
}

// libcdio opens what it is given, and for an image every file beside it that
// belongs to it, with a plain blocking open: a named pipe anywhere among them
// would stall the host for good. So the source must be a drive (a device
// node) or a regular file, and every file that goes with an image must be a
// regular file or missing. What changes between this look and libcdio's own
// open is not guarded against.
bool IsSafeCdSource(const std::string& source) {
  struct stat info {};
  if (stat(source.c_str(), &info) != 0) return false;
  if (S_ISBLK(info.st_mode) || S_ISCHR(info.st_mode)) return true;
  if (!S_ISREG(info.st_mode)) return false;
  std::vector<std::string> sheets = {source};
  if (const auto companion = CompanionImageFile(source)) {
    if (!IsRegularOrMissing(*companion)) return false;
    sheets.push_back(*companion);
  }
  for (const std::string& sheet : sheets) {
    if (!IsImageSheet(sheet)) continue;
    const std::optional<std::string> text = ReadSheet(sheet);
    if (!text) return false;
    const std::size_t slash = sheet.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : sheet.substr(0, slash + 1);
    for (const std::string& name : SheetFileNames(*text)) {
      // Relative names are taken from the sheet's folder or the working one,
      // depending on the sheet's kind and libcdio's version: both are looked at.
      if (!IsRegularOrMissing(name)) return false;
      if (name.front() != '/' && !IsRegularOrMissing(folder + name)) return false;
    }
  }
  return true;
}

CdioHandle OpenSource(const std::string& source) {
  if (!IsSafeCdSource(source)) return nullptr;
  return CdioHandle(cdio_open(source.c_str(), DRIVER_UNKNOWN));
}

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
