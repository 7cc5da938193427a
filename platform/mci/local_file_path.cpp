// Where a music file named by the host really lies.
#include "platform/mci/local_file_path.h"

#include <sys/stat.h>
#include <unistd.h>

#include "platform/paths/drive_letter_path.h"

namespace blazemere::platform::mci {

std::string LocalFilePath(const std::string& name) {
  const bool driveLetter = name.size() >= 3 && ((name[0] | 0x20) >= 'a' && (name[0] | 0x20) <= 'z') &&
                           name[1] == ':' && (name[2] == '\\' || name[2] == '/');
  return driveLetter ? MapDriveLetterPath(name) : name;
}

bool IsReadableFile(const std::string& path) {
  struct stat info {};
  return !path.empty() && stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && access(path.c_str(), R_OK) == 0;
}

}  // namespace blazemere::platform::mci
