// FileExists: see path_helpers.h.
#include "host/core/startup/path_helpers.h"

#include "platform/files/files.h"

namespace blazemere::host {

bool FileExists(const std::string& path) {
  std::string copy = path;
  if (!copy.empty() && (copy.back() == '\\' || copy.back() == '/')) copy.pop_back();
  return !copy.empty() && platform::OpensAsFile(copy);
}

}  // namespace blazemere::host
