// Instance lock: see instance_lock.h.
#include "platform/process/instance_lock.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace blazemere::platform {

namespace {

bool IsDirectory(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// A folder in the shared /tmp is ours only if nobody else made it first:
// owned by us, not a link, closed to everyone else.
bool IsPrivateFolder(const std::string& path) {
  struct stat info {};
  return lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == getuid() &&
         (info.st_mode & 077) == 0;
}

}  // namespace

InstanceLock::InstanceLock(const std::string& path) {
  if (path.empty()) return;
  const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
  if (fd < 0) return;
  file_ = fd;
  if (flock(fd, LOCK_EX | LOCK_NB) == 0) {
    state_ = State::kHeld;
  } else if (errno == EWOULDBLOCK) {
    state_ = State::kHeldElsewhere;
  }
}

InstanceLock::~InstanceLock() {
  if (file_ >= 0) close(static_cast<int>(file_));
}

std::string InstanceLockPath(const std::string& name) {
  if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime != nullptr && runtime[0] == '/' &&
                                                              IsDirectory(runtime)) {
    return std::string(runtime) + "/" + name;
  }
  const std::string folder = "/tmp/blazemere-" + std::to_string(getuid());
  if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return {};
  if (!IsPrivateFolder(folder)) return {};
  return folder + "/" + name;
}

}  // namespace blazemere::platform
