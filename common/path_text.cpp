// Paths as text: see path_text.h.
#include "common/path_text.h"

namespace blazemere {

std::string FolderOf(std::string_view path, std::string_view separators) {
  const std::size_t last = path.find_last_of(separators);
  if (last == std::string_view::npos) return {};
  std::string folder(path.substr(0, last + 1));
  if (folder.back() != ':') folder.pop_back();
  // A file straight under "/" lives in "/", not in an empty folder name.
  if (folder.empty() && path[0] == '/') return "/";
  return folder;
}

std::string NameOf(std::string_view path, std::string_view separators) {
  const std::size_t last = path.find_last_of(separators);
  return std::string(last == std::string_view::npos ? path : path.substr(last + 1));
}

}  // namespace blazemere
