// Finding a program on the search path, as a shell would, without a shell.
#pragma once

#include <string>

namespace blazemere::platform {

// The first executable `name` in the colon-separated folder list `searchPath`
// (empty entries mean the current folder); empty when there is none.
[[nodiscard]] std::string FindProgramOnPath(const std::string& name, const std::string& searchPath);

}  // namespace blazemere::platform
