// New settings files on a POSIX system end their lines with LF.
#include "platform/ini/ini_file.h"

namespace blazemere::platform {

std::string_view NewProfileLineEnding() { return "\n"; }

}  // namespace blazemere::platform
