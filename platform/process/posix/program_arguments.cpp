// Program arguments on a POSIX system: see program_arguments.h. The bytes
// are the file names' own; nothing to convert.
#include "platform/process/program_arguments.h"

namespace blazemere::platform {

std::vector<std::string> ProgramArguments(int argc, char** argv) {
  return argc > 1 ? std::vector<std::string>(argv + 1, argv + argc) : std::vector<std::string>();
}

}  // namespace blazemere::platform
