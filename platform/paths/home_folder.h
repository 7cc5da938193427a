// The user's home folder, for the per-user places of the palette image and
// the settings copy. A relative path is never one: whatever folder a program
// was started in would receive the files.
#pragma once

#include <string>

namespace blazemere::platform {

// $HOME when it is an absolute path, else this user's entry in the password
// database; empty when neither gives an absolute path.
[[nodiscard]] std::string HomeFolder();

}  // namespace blazemere::platform
