// Keyboard focus: see x11_keyboard_focus.h.
#include "platform/keyboard_focus/x11/x11_keyboard_focus.h"

#include <X11/Xatom.h>

#include "platform/x11/x11_connection.h"

namespace blazemere::platform {

namespace {

// Whether the running window manager lists `hint` in _NET_SUPPORTED.
bool WindowManagerSupports(Display* display, Atom hint) {
  Atom type = None;
  int format = 0;
  unsigned long count = 0;
  unsigned long remaining = 0;
  unsigned char* data = nullptr;
  const Atom supported = XInternAtom(display, "_NET_SUPPORTED", False);
  if (XGetWindowProperty(display, DefaultRootWindow(display), supported, 0, 4096, False, XA_ATOM, &type, &format,
                         &count, &remaining, &data) != Success) {
    return false;
  }
  bool listed = false;
  if (type == XA_ATOM && format == 32) {
    const auto* atoms = reinterpret_cast<const Atom*>(data);  // format 32 arrives as longs
    for (unsigned long i = 0; i < count && !listed; ++i) listed = atoms[i] == hint;
  }
  if (data != nullptr) XFree(data);
  return listed;
}

// The request a pager sends for a user's click: window managers with
// focus-stealing prevention grant it, where they may refuse an ordinary
// program. The saver is what the user chose to see while away, and a key is
// its only way out.
void AskWindowManagerToActivate(Display* display, Window window, Atom activeWindow) {
  constexpr long kSourcePager = 2;
  XEvent request{};
  request.xclient.type = ClientMessage;
  request.xclient.window = window;
  request.xclient.message_type = activeWindow;
  request.xclient.format = 32;
  request.xclient.data.l[0] = kSourcePager;
  request.xclient.data.l[1] = CurrentTime;
  request.xclient.data.l[2] = None;  // no window of ours is active yet
  XSendEvent(display, DefaultRootWindow(display), False, SubstructureRedirectMask | SubstructureNotifyMask,
             &request);
}

}  // namespace

bool TakeKeyboardFocus(Display* display, Window window) {
  if (display == nullptr || window == None) return false;
  X11ErrorTrap trap(display);
  const Atom activeWindow = XInternAtom(display, "_NET_ACTIVE_WINDOW", False);
  if (WindowManagerSupports(display, activeWindow)) AskWindowManagerToActivate(display, window, activeWindow);
  // Without a window manager nobody else moves the focus; with one, this
  // is what it would do on activation anyway.
  XSetInputFocus(display, window, RevertToParent, CurrentTime);
  return !trap.Failed();
}

}  // namespace blazemere::platform
