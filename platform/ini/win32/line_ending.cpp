// New settings files on Windows end their lines with CR LF, as the profile
// functions and every editor there expect.
#include "platform/ini/ini_file.h"

namespace blazemere::platform {

std::string_view NewProfileLineEnding() { return "\r\n"; }

}  // namespace blazemere::platform
