// Extension list lookup: see extension_list.h.
#include "renderer/core/fire/extension_list.h"

namespace blazemere::fire {

bool ExtensionListed(std::string_view extensionList, std::string_view name) {
  if (name.empty()) return false;
  std::size_t start = 0;
  while (start < extensionList.size()) {
    std::size_t end = extensionList.find(' ', start);
    if (end == std::string_view::npos) end = extensionList.size();
    if (extensionList.substr(start, end - start) == name) return true;
    start = end + 1;
  }
  return false;
}

}  // namespace blazemere::fire
