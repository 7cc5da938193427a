// The X error policy on a real X server: a request on a window that has
// vanished reports its failure to the caller that asks; when nobody asks the
// expected error is dropped and an unexpected one is told, and neither ends
// the program; closing the connection gives the old handler back.
#include <gtest/gtest.h>

#include <X11/Xatom.h>
#include <X11/Xproto.h>

#include <functional>
#include <memory>

#include "host/x11/x11_picture_window.h"
#include "platform/caption_zoom/x11/x11_caption_zoom.h"
#include "platform/keyboard_focus/x11/x11_keyboard_focus.h"
#include "platform/x11/x11_connection.h"

namespace blazemere::platform {
namespace {

// A window that existed and is gone, as one that another program destroyed.
Window VanishedWindow(Display* display) {
  const Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 10, 10, 0, 0, 0);
  XDestroyWindow(display, window);
  XSync(display, False);
  return window;
}

TEST(X11Connection, RequestOnAVanishedWindowReportsFailureToItsCaller) {
  const std::unique_ptr<X11Connection> connection = X11Connection::Open();
  ASSERT_TRUE(connection) << "needs DISPLAY";
  Display* display = connection->display();
  const Window gone = VanishedWindow(display);
  const unsigned char title = 'x';

  const std::pair<const char*, std::function<bool()>> failures[] = {
      {"a property written under a trap",
       [&] {
         X11ErrorTrap trap(display);
         XChangeProperty(display, gone, XA_WM_NAME, XA_STRING, 8, PropModeReplace, &title, 1);
         return trap.Failed() && trap.errorCode() == BadWindow && trap.requestCode() == X_ChangeProperty;
       }},
      {"the keyboard focus", [&] { return !TakeKeyboardFocus(display, gone); }},
      {"the window's rectangle", [&] { return !X11CaptionZoom(*connection).WindowRect(gone); }},
      {"the preview parent's size", [&] { return !host::SizeOfWindow(*connection, gone); }},
      {"a preview inside it",
       [&] { return !host::X11PictureWindow(*connection, gone, 4, 4, "t", std::vector<std::uint8_t>(48)).ok(); }},
  };
  for (const auto& [name, failed] : failures) EXPECT_TRUE(failed()) << name;

  // Nested traps: the inner one records, the outer one sees nothing of it.
  X11ErrorTrap outer(display);
  {
    X11ErrorTrap inner(display);
    XChangeProperty(display, gone, XA_WM_NAME, XA_STRING, 8, PropModeReplace, &title, 1);
    EXPECT_TRUE(inner.Failed());
  }
  EXPECT_FALSE(outer.Failed());
}

TEST(X11Connection, UnaskedErrorsEndNothingAndTheOldHandlerComesBack) {
  static int ownHandlerCalls = 0;
  const XErrorHandler own = [](Display*, XErrorEvent*) { return ++ownHandlerCalls, 0; };
  const XErrorHandler before = XSetErrorHandler(own);
  {
    const std::unique_ptr<X11Connection> connection = X11Connection::Open();
    ASSERT_TRUE(connection) << "needs DISPLAY";
    Display* display = connection->display();
    const Window gone = VanishedWindow(display);
    const unsigned char title = 'x';
    ::testing::internal::CaptureStderr();
    XChangeProperty(display, gone, XA_WM_NAME, XA_STRING, 8, PropModeReplace, &title, 1);  // expected: dropped
    XSync(display, False);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    ::testing::internal::CaptureStderr();
    XFreePixmap(display, gone);  // no pixmap by that id: a fault of ours, told
    XSync(display, False);
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("failed"), std::string::npos);
  }
  EXPECT_EQ(ownHandlerCalls, 0) << "the policy handled every error while the connection was open";
  EXPECT_EQ(XSetErrorHandler(before), own) << "closing the connection put the old handler back";
}

}  // namespace
}  // namespace blazemere::platform
