// The rules both file choosers follow: see chooser_rules.h.
#include "platform/file_dialog/chooser_rules.h"

#include <climits>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/file_dialog/path_length_limit.h"
#include "platform/message_box/message_box.h"

namespace blazemere::platform {

bool IsFolder(const std::string& path) {
  struct stat info {};
  return !path.empty() && stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string StartFolder(const OpenFileRequest& request) {
  if (IsFolder(request.initialFolder)) return request.initialFolder;
  char buffer[PATH_MAX];
  if (getcwd(buffer, sizeof buffer) == nullptr) return "/";
  return buffer;
}

bool PathFitsOrSaySo(const OpenFileRequest& request, const std::string& path) {
  const std::optional<std::string> refusal = PathTooLongMessage(path, request.longestPath);
  if (!refusal) return true;
  ShowMessageBox(request.title, *refusal, MessageBoxIcon::kError);
  return false;
}

}  // namespace blazemere::platform
