// Where a music file named by the host really lies, and opening it.
#include "platform/mci/sdl/local_file_path.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include "platform/paths/drive_letter_path.h"

namespace blazemere::platform::mci {

std::string LocalFilePath(const std::string& name) {
  const bool driveLetter = StartsWithDriveLetter(name) && name.size() >= 3 && (name[2] == '\\' || name[2] == '/');
  return driveLetter ? MapDriveLetterPath(name) : name;
}

// Checked on the open descriptor, not on the name, so that the file looked at
// is the file read. O_NONBLOCK lets the open of a named pipe return at once;
// on a regular file it changes nothing.
RwHandle OpenMusicFile(const std::string& name) {
  const std::string path = LocalFilePath(name);
  if (path.empty()) return nullptr;
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return nullptr;
  struct stat info {};
  std::FILE* file = fstat(fd, &info) == 0 && S_ISREG(info.st_mode) ? fdopen(fd, "rb") : nullptr;
  if (file == nullptr) {
    close(fd);
    return nullptr;
  }
  RwHandle rw(SDL_RWFromFP(file, SDL_TRUE));
  if (!rw) std::fclose(file);
  return rw;
}

}  // namespace blazemere::platform::mci
