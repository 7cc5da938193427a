// The host's one state owner (the start-up module's host-wide values): what
// Main learns at start-up and every window of the host reads or changes.
// Passed by reference to whoever needs it; there is no global copy.
#pragma once

#include <cstdint>
#include <string>

#include "host/core/settings/host_settings.h"
#include "host/core/startup/command_line.h"

namespace blazemere::host {

struct HostContext {
  std::string hostFolder;   // folder of Blazemere.scr, no trailing "/"
  std::string commandLine;  // the arguments joined by single blanks
  HostMode mode = HostMode::kNothing;  // what the command line asks for, read once by Main
  HostSettings settings;
  std::int32_t savedCursorCount = 0;
  std::int16_t zoomPointX = 0;
  std::int16_t zoomPointY = 0;
};

}  // namespace blazemere::host
