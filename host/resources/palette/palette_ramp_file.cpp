// Writing the ramp to disk without ever leaving a half-written palette file:
// the renderer may be started right after, and a torn file would cost the
// user the fire.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "host/resources/palette/palette_ramp.h"

namespace blazemere::host {

namespace {

bool WriteAll(int fd, const std::vector<std::uint8_t>& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (written <= 0) return false;
    done += static_cast<std::size_t>(written);
  }
  return true;
}

}  // namespace

bool WritePaletteRampFile(const std::string& path) {
  if (path.empty()) return false;
  // mkstemp: a unique name beside the target, so the rename stays within one
  // file system and two writers never share a temporary file.
  std::string temporary = path + ".XXXXXX";
  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) return false;
  const bool written = WriteAll(fd, PaletteRampBmpFile()) && ::fchmod(fd, 0644) == 0 && ::fsync(fd) == 0;
  const bool closed = ::close(fd) == 0;
  if (written && closed && std::rename(temporary.c_str(), path.c_str()) == 0) return true;
  ::unlink(temporary.c_str());
  return false;
}

}  // namespace blazemere::host
