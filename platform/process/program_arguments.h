// A program's arguments as UTF-8, whatever the system hands over: on
// Windows main's argv is in the ANSI code page, which cannot hold every
// file name, so the arguments are read again from the UTF-16 command line.
#pragma once

#include <string>
#include <vector>

namespace blazemere::platform {

// argv[1...] as UTF-8.
[[nodiscard]] std::vector<std::string> ProgramArguments(int argc, char** argv);

}  // namespace blazemere::platform
