// A fresh folder for one unit test under the build tree's temporary folder;
// header-only, so unit tests need not link the window-test support library.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace blazemere::testing {

inline std::string ScratchFolder(const std::string& name) {
  const char* base = std::getenv("TEST_TMPDIR");
  const auto folder = (base != nullptr && base[0] != '\0' ? std::filesystem::path(base)
                                                          : std::filesystem::current_path() / "test-scratch") /
                      (name + "-" + std::to_string(getpid()));
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  return folder.string();
}

}  // namespace blazemere::testing
