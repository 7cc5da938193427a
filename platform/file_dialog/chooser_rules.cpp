// The rules both file choosers follow: see chooser_rules.h.
#include "platform/file_dialog/chooser_rules.h"

#include <climits>
#include <sys/stat.h>
#include <unistd.h>

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
  if (request.longestPath == 0 || path.size() <= request.longestPath) return true;
  // Not the path itself: a long one without blanks would not wrap.
  ShowMessageBox(request.title,
                 "ﾌｧｲﾙ名が長すぎます (" + std::to_string(path.size()) + " ﾊﾞｲﾄ)。\nﾌｫﾙﾀﾞ名を含めて " +
                     std::to_string(request.longestPath) + " ﾊﾞｲﾄ (UTF-8) までのﾌｧｲﾙを選んでください。",
                 MessageBoxIcon::kError);
  return false;
}

}  // namespace blazemere::platform
