// The embedded fire's window: see fire_child_window.h.
#include "renderer/glx_embed/fire_child_window.h"

#include <X11/Xutil.h>

#include <algorithm>
#include <cstdio>

#include "common/names.h"

namespace blazemere::renderer {

namespace {

// RGB with a depth buffer, as the GLUT program asks for; single-buffered,
// as a pixmap has no back buffer to swap.
int kVisualAttributes[] = {GLX_RGBA, GLX_RED_SIZE, 1, GLX_GREEN_SIZE, 1, GLX_BLUE_SIZE, 1, GLX_DEPTH_SIZE, 1, None};

std::string WindowText(Window window) {
  char text[32];
  std::snprintf(text, sizeof text, "0x%lx", window);
  return text;
}

}  // namespace

std::unique_ptr<FireChildWindow> FireChildWindow::Create(platform::X11Connection& connection, Window parent,
                                                         std::string& problem) {
  Display* display = connection.display();
  std::unique_ptr<FireChildWindow> self(new FireChildWindow(display, parent));
  platform::X11ErrorTrap trap(display);
  // Asked before its size is read: a parent destroyed in between still
  // tells us, or the size request fails.
  XSelectInput(display, parent, StructureNotifyMask);
  XWindowAttributes attributes{};
  if (XGetWindowAttributes(display, parent, &attributes) == 0 || trap.Failed()) {
    problem = "no window " + WindowText(parent);
    return nullptr;
  }
  self->width_ = attributes.width;
  self->height_ = attributes.height;

  self->visual_ = glXChooseVisual(display, XScreenNumberOfScreen(attributes.screen), kVisualAttributes);
  if (self->visual_ == nullptr) {
    problem = "no RGB visual with depth for GL";
    return nullptr;
  }
  self->colormap_ = XCreateColormap(display, parent, self->visual_->visual, AllocNone);
  XSetWindowAttributes settings{};
  settings.colormap = self->colormap_;
  settings.background_pixel = BlackPixelOfScreen(attributes.screen);
  settings.border_pixel = 0;
  const bool overRoot = parent == attributes.root;
  settings.override_redirect = overRoot ? True : False;
  self->window_ = XCreateWindow(display, parent, 0, 0, static_cast<unsigned>(self->width_),
                                static_cast<unsigned>(self->height_), 0, self->visual_->depth, InputOutput,
                                self->visual_->visual, CWColormap | CWBackPixel | CWBorderPixel | CWOverrideRedirect,
                                &settings);
  XStoreName(display, self->window_, names::kEmbeddedRendererWindowTitle);
  XMapWindow(display, self->window_);
  if (overRoot) XLowerWindow(display, self->window_);
  self->gc_ = XCreateGC(display, self->window_, 0, nullptr);
  self->context_ = glXCreateContext(display, self->visual_, nullptr, True);
  if (trap.Failed() || self->context_ == nullptr || !self->MakeCanvas()) {
    problem = "no GL context on window " + WindowText(parent);
    return nullptr;
  }
  return self;
}

FireChildWindow::~FireChildWindow() {
  // The parent may be gone, and our window with it: nothing here is worth a word.
  const platform::X11ErrorTrap quiet(display_);
  ReleaseCanvas();
  if (context_ != nullptr) glXDestroyContext(display_, context_);
  if (gc_ != nullptr) XFreeGC(display_, gc_);
  if (window_ != 0 && !parentGone_) XDestroyWindow(display_, window_);
  if (colormap_ != 0) XFreeColormap(display_, colormap_);
  if (visual_ != nullptr) XFree(visual_);
}

bool FireChildWindow::MakeCanvas() {
  ReleaseCanvas();
  // A window can be 0 wide for a moment; a pixmap cannot.
  const auto width = static_cast<unsigned>(std::max(width_, 1));
  const auto height = static_cast<unsigned>(std::max(height_, 1));
  platform::X11ErrorTrap trap(display_);
  pixmap_ = XCreatePixmap(display_, window_, width, height, static_cast<unsigned>(visual_->depth));
  glxPixmap_ = glXCreateGLXPixmap(display_, visual_, pixmap_);
  return !trap.Failed() && glxPixmap_ != 0 && glXMakeCurrent(display_, glxPixmap_, context_);
}

void FireChildWindow::ReleaseCanvas() {
  if (glxPixmap_ == 0 && pixmap_ == 0) return;
  glXMakeCurrent(display_, None, nullptr);
  if (glxPixmap_ != 0) glXDestroyGLXPixmap(display_, glxPixmap_);
  if (pixmap_ != 0) XFreePixmap(display_, pixmap_);
  glxPixmap_ = 0;
  pixmap_ = 0;
}

bool FireChildWindow::FollowParent() {
  bool resized = false;
  while (!parentGone_ && XPending(display_) > 0) {
    XEvent event{};
    XNextEvent(display_, &event);
    if (event.type == DestroyNotify && event.xdestroywindow.window == parent_) parentGone_ = true;
    if (event.type == ConfigureNotify && event.xconfigure.window == parent_ &&
        (event.xconfigure.width != width_ || event.xconfigure.height != height_)) {
      width_ = event.xconfigure.width;
      height_ = event.xconfigure.height;
      XResizeWindow(display_, window_, static_cast<unsigned>(width_), static_cast<unsigned>(height_));
      resized = true;
    }
  }
  if (parentGone_) return false;
  return !resized || MakeCanvas();
}

void FireChildWindow::Present() {
  // X draws the copy only once GL has finished the frame.
  glXWaitGL();
  XCopyArea(display_, pixmap_, window_, gc_, 0, 0, static_cast<unsigned>(width_), static_cast<unsigned>(height_), 0,
            0);
  XFlush(display_);
}

}  // namespace blazemere::renderer
