// Path routines of the start-up module: see path_helpers.h.
#include "host/core/startup/path_helpers.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace blazemere::host {

namespace {
bool IsSeparator(char c) { return c == '\\' || c == '/'; }
}  // namespace

bool FileExists(const std::string& path) {
  std::string copy = path;
  if (!copy.empty() && IsSeparator(copy.back())) copy.pop_back();
  if (copy.empty()) return false;
  // O_NONBLOCK: a named pipe must not stall the start-up.
  const int fd = open(copy.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat info {};
  const bool isFile = fstat(fd, &info) == 0 && !S_ISDIR(info.st_mode);
  close(fd);
  return isFile;
}

std::string FolderOf(const std::string& path) {
  const std::size_t last = path.find_last_of(":\\/");
  if (last == std::string::npos) return {};
  std::string folder = path.substr(0, last + 1);
  if (IsSeparator(folder.back())) folder.pop_back();
  // A file straight under "/" lives in "/", not in an empty folder name.
  if (folder.empty() && path[0] == '/') return "/";
  return folder;
}

}  // namespace blazemere::host
