// The one connection of a program to its X server, and the error policy of
// every X request the program makes.
//
// Xlib's default error handler ends the process; every X11 backend instead
// runs under this policy: a request that fails because its window has
// vanished meanwhile (BadWindow, BadDrawable) is dropped, any other failure
// is reported on standard error, and nothing ends the program. A caller that
// must know whether its requests went through opens an X11ErrorTrap around
// them and asks it afterwards.
#pragma once

#include <X11/Xlib.h>

#include <array>
#include <memory>

namespace blazemere::platform {

// The atoms the backends use, interned once per connection.
enum class X11Atom {
  kNetWmName,
  kUtf8String,
  kNetSupported,
  kNetActiveWindow,
  kNetWmState,
  kNetWmStateAbove,
  kMotifWmHints,
  kCount,
};

class X11Connection {
 public:
  // Opens the display `name` names ($DISPLAY when null); nullptr when there
  // is no X server to talk to.
  [[nodiscard]] static std::unique_ptr<X11Connection> Open(const char* name = nullptr);

  // Closes the display and puts back the error handler that was there before.
  ~X11Connection();
  X11Connection(const X11Connection&) = delete;
  X11Connection& operator=(const X11Connection&) = delete;

  [[nodiscard]] Display* display() const { return display_; }
  [[nodiscard]] Atom atom(X11Atom which) const { return atoms_[static_cast<std::size_t>(which)]; }

 private:
  explicit X11Connection(Display* display);

  Display* display_;
  std::array<Atom, static_cast<std::size_t>(X11Atom::kCount)> atoms_{};
};

// While one lives, every failed request on its display is recorded for the
// caller instead of being handled by the policy. Works on any display, one
// opened by a toolkit included. Traps nest; the innermost one records.
class X11ErrorTrap {
 public:
  // Waits for the answers to everything sent before, so their errors are
  // not taken for this trap's.
  explicit X11ErrorTrap(Display* display);
  // Waits for the answers to everything sent meanwhile, then stops recording.
  ~X11ErrorTrap();
  X11ErrorTrap(const X11ErrorTrap&) = delete;
  X11ErrorTrap& operator=(const X11ErrorTrap&) = delete;

  // Waits for the answers to every request sent so far; true when one of
  // them failed since the trap was opened.
  [[nodiscard]] bool Failed();
  // The first failure: its error code (BadWindow, ...) and request code; 0
  // when nothing failed.
  [[nodiscard]] int errorCode() const { return errorCode_; }
  [[nodiscard]] int requestCode() const { return requestCode_; }

 private:
  friend struct X11ErrorPolicy;

  Display* display_;
  X11ErrorTrap* outer_;
  int errorCode_ = 0;
  int requestCode_ = 0;
};

}  // namespace blazemere::platform
