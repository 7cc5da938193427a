// Where Blazemere.dll is asked to burn when not in a window of its own: on
// a window given by its id (--window-id ID), or (--root) on the window that
// XScreenSaver names in $XSCREENSAVER_WINDOW, else on the root window. Only
// these two options are looked at; every other argument stays GLUT's.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace blazemere::renderer {

struct EmbedTarget {
  enum class Kind {
    kOwnWindow,   // neither option: the full-screen GLUT window
    kWindow,      // the window `window`
    kRootWindow,  // the root window of the default screen
    kInvalid,     // an option whose window id is unusable: `problem` says why
  };
  Kind kind = Kind::kOwnWindow;
  std::uint32_t window = 0;
  std::string problem;
};

// `arguments` without the program's name; `xscreensaverWindow` is the
// variable's value, null when it is not set. An id given with --window-id
// wins over --root.
[[nodiscard]] EmbedTarget EmbedTargetOf(const std::vector<std::string_view>& arguments,
                                        const char* xscreensaverWindow);

// From main's arguments and this process's environment.
[[nodiscard]] EmbedTarget EmbedTargetOf(int argc, char** argv);

}  // namespace blazemere::renderer
