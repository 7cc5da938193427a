// The host's one state owner (the start-up module's host-wide values): what
// Main learns at start-up and every window of the host reads or changes.
// Passed by reference to whoever needs it; there is no global copy.
#pragma once

#include <cstdint>
#include <string>

namespace blazemere::host {

// The three stored settings plus the folder the file chooser starts in.
struct HostSettings {
  std::int16_t bgmMode = 0;    // 0 none, 1 audio CD, 2 music file; any other value plays nothing
  std::int16_t bgmRepeat = 0;  // CD track to hold, 0 the whole disc
  std::string bgmFile;         // empty or the music file's path
  std::string bgmFolder;       // folder of bgmFile, or the host folder
};

struct HostContext {
  std::string hostFolder;   // folder of Blazemere.scr, no trailing "/"
  std::string commandLine;  // the arguments joined by single blanks
  std::string modeLetter;   // second character, upper-cased; empty if too short
  HostSettings settings;
  std::int32_t savedCursorCount = 0;
  std::int16_t zoomPointX = 0;
  std::int16_t zoomPointY = 0;
};

}  // namespace blazemere::host
