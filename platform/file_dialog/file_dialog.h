// GetOpenFileName: a modal chooser for one file to open, with one file-type
// filter, starting in a given folder, proposing no name and accepting a name
// that does not exist, as long as its full path fits the caller's buffer.
//
// On X11 it is the desktop's own chooser (GTK 3's, loaded at run time, so
// the program neither links GTK nor needs it) wherever GTK 3 is installed
// and starts on the display, and our own FLTK chooser everywhere else.
// GTK's chooser takes only files that exist. BLAZEMERE_GTK3_LIBRARY names
// another GTK 3 library to load; one that cannot be loaded (tests name a
// missing file) leaves our own chooser.
#pragma once

#include <optional>
#include <string>

#include "platform/window_handle.h"

namespace blazemere::platform {

struct OpenFileRequest {
  std::string title;           // window title
  std::string filterName;      // the one entry of the file-type list
  std::string filterPatterns;  // Windows form, e.g. "*.MP3;*.WAV"; matched without regard to case
  std::string initialFolder;   // where the list starts; the current folder if empty or missing
  std::size_t longestPath = 0;  // bytes of the longest full path the caller can take; 0 for any
  WindowHandle owner = 0;       // the window the chooser stays above; 0 for none
};

// The chosen file's full path, or nothing when the user cancelled or closed
// the chooser. A path longer than `longestPath` is refused with a message
// box and the chooser stays open for another choice. Runs its own modal
// loop, in which the program's other windows keep painting but take no
// input; returns once the chooser is gone.
[[nodiscard]] std::optional<std::string> ChooseFileToOpen(const OpenFileRequest& request);

}  // namespace blazemere::platform
