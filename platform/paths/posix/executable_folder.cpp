// Executable folder: see executable_folder.h.
#include "platform/paths/executable_folder.h"

#include <filesystem>
#include <system_error>

namespace blazemere::platform {

std::string ExecutableFolder() {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::canonical("/proc/self/exe", error);
  if (error) return {};
  return self.parent_path().string();
}

}  // namespace blazemere::platform
