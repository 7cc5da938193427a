// The window the embedded fire shows on: a child of the given window with a
// GL visual of its own (the given window's visual need not offer GL; the
// child's colormap bridges the two), kept at the size of its parent.
//
// GL never draws on that window itself but into a pixmap of ours, copied
// onto the window once a frame is done. The given window belongs to another
// program, which destroys it (and our child with it) whenever it likes, in
// the middle of a frame too; a software GL driver asked to draw on a window
// that is gone crashes, while the pixmap lives as long as we do, and a copy
// onto a vanished window only fails.
//
// It asks for no input and sets no pointer, so keys, clicks and the
// pointer's look stay with the parent's owner (XScreenSaver handles them,
// and the lock).
#pragma once

#include <GL/glx.h>

#include <memory>
#include <string>

#include "platform/x11/x11_connection.h"

namespace blazemere::renderer {

class FireChildWindow {
 public:
  // Null when the parent does not exist or no GL context can be had there;
  // `problem` then says why. Over the root window the child is kept below
  // every other window, as a picture drawn on the desktop would be. The GL
  // context is current on return.
  [[nodiscard]] static std::unique_ptr<FireChildWindow> Create(platform::X11Connection& connection, Window parent,
                                                               std::string& problem);
  ~FireChildWindow();
  FireChildWindow(const FireChildWindow&) = delete;
  FireChildWindow& operator=(const FireChildWindow&) = delete;

  // Handles what the parent has told since the last call: a new size is
  // followed at once. False once the parent has been destroyed, or when no
  // pixmap of the new size can be had.
  [[nodiscard]] bool FollowParent();
  [[nodiscard]] int width() const { return width_; }
  [[nodiscard]] int height() const { return height_; }
  // Shows the frame GL has drawn.
  void Present();

 private:
  FireChildWindow(Display* display, Window parent) : display_(display), parent_(parent) {}
  // A pixmap of the window's size for GL to draw into, current from now on;
  // the previous one, if any, is let go.
  [[nodiscard]] bool MakeCanvas();
  void ReleaseCanvas();

  Display* display_;
  Window parent_;
  bool parentGone_ = false;
  int width_ = 0;
  int height_ = 0;
  XVisualInfo* visual_ = nullptr;
  Colormap colormap_ = 0;
  Window window_ = 0;
  GC gc_ = nullptr;
  GLXContext context_ = nullptr;
  Pixmap pixmap_ = 0;
  GLXPixmap glxPixmap_ = 0;
};

}  // namespace blazemere::renderer
