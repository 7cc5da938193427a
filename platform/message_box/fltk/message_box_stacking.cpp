// Stacking and focus of the message box, in plain Xlib on FLTK's connection.
// X errors of these steps (a window that vanished meanwhile, a focus change
// refused because the window is not viewable yet) are expected and harmless:
// each step runs in an error trap, and a step that fails is simply over.
#include "platform/message_box/fltk/message_box_stacking.h"

#include <FL/Fl.H>
#include <X11/Xatom.h>

#include "platform/x11/x11_connection.h"

namespace blazemere::platform {

namespace {

bool IsWindowViewable(Display* display, Window window) {
  XWindowAttributes attributes{};
  return XGetWindowAttributes(display, window, &attributes) != 0 && attributes.map_state == IsViewable;
}

void AskToStayAbove(Display* display, Window box) {
  const Atom state = XInternAtom(display, "_NET_WM_STATE", False);
  const Atom above = XInternAtom(display, "_NET_WM_STATE_ABOVE", False);
  // Before mapping the property is enough; after mapping a window manager
  // listens for the request message instead. Sending both is harmless.
  XChangeProperty(display, box, state, XA_ATOM, 32, PropModeAppend, reinterpret_cast<const unsigned char*>(&above),
                  1);
  XEvent request{};
  request.xclient.type = ClientMessage;
  request.xclient.window = box;
  request.xclient.message_type = state;
  request.xclient.format = 32;
  request.xclient.data.l[0] = 1;  // add
  request.xclient.data.l[1] = static_cast<long>(above);
  request.xclient.data.l[3] = 1;  // from an ordinary application
  XSendEvent(display, DefaultRootWindow(display), False, SubstructureRedirectMask | SubstructureNotifyMask,
             &request);
}

}  // namespace

Window FocusedWindow(Display* display) {
  Window focus = None;
  int revert = 0;
  XGetInputFocus(display, &focus, &revert);
  if (focus == PointerRoot || focus == DefaultRootWindow(display)) return None;
  return focus;
}

void AttachToOwner(Display* display, Window box, Window owner) {
  const X11ErrorTrap expectedErrors(display);
  if (owner != None) XSetTransientForHint(display, box, owner);
  AskToStayAbove(display, box);
}

void RaiseAndFocus(Display* display, Window box) {
  constexpr int kWaitSteps = 200;  // 10 ms each: generous for a loaded machine
  for (int step = 0; step < kWaitSteps && !IsWindowViewable(display, box); ++step) Fl::wait(0.01);
  const X11ErrorTrap expectedErrors(display);
  XRaiseWindow(display, box);
  XSetInputFocus(display, box, RevertToPointerRoot, CurrentTime);
}

void RestoreFocus(Display* display, Window previous) {
  if (previous == None) return;
  const X11ErrorTrap expectedErrors(display);
  if (IsWindowViewable(display, previous)) XSetInputFocus(display, previous, RevertToPointerRoot, CurrentTime);
}

}  // namespace blazemere::platform
