// Frame hints for the settings dialog: see window_frame_hints.h.
#include "host/x11/dialog/window_frame_hints.h"

#include <X11/Xatom.h>

namespace blazemere::dialog {
namespace {

// The layout the Motif window manager defined and the others adopted.
constexpr long kHintFunctions = 1L << 0;
constexpr long kHintDecorations = 1L << 1;
constexpr long kFunctionMove = 1L << 2;
constexpr long kFunctionClose = 1L << 5;
constexpr long kDecorBorder = 1L << 1;
constexpr long kDecorTitle = 1L << 3;
constexpr long kDecorMenu = 1L << 4;

}  // namespace

void AskForFixedDialogFrame(platform::X11Connection& connection, Window window) {
  if (window == 0) return;
  Display* display = connection.display();
  const Atom hints = connection.atom(platform::X11Atom::kMotifWmHints);
  long values[5] = {kHintFunctions | kHintDecorations, kFunctionMove | kFunctionClose,
                    kDecorBorder | kDecorTitle | kDecorMenu, 0, 0};
  XChangeProperty(display, window, hints, hints, 32, PropModeReplace, reinterpret_cast<unsigned char*>(values), 5);
}

}  // namespace blazemere::dialog
