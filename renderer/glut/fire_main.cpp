// Blazemere.dll: the full-screen fire. Opens the window "Blazemere_VC" (the
// host watches for it by that title), hides the pointer and burns until
// Escape or until the window is closed. Asked to burn on another program's
// window (--window-id, --root on X11), it leaves GLUT aside: embedded_start.h.
#include <GL/freeglut.h>

#include <chrono>
#include <cstdlib>
#include <optional>
#include <thread>

#include "common/names.h"
#include "platform/files/files.h"
#include "renderer/effect/fire_effect.h"
#include "renderer/effect/fire_gl_state.h"
#include "renderer/glut/embedded_start.h"
#include "renderer/glut/fire_window_focus.h"
#include "renderer/glut/frame_pacer.h"
#include "renderer/glut/pointer_hiding.h"

namespace {

// GLUT's callbacks carry no context, so the frame loop's two owners live
// here. The fire object's destructor runs from the exit handler.
FireEffect fireEffect;
FramePacer framePacer;
bool fireReady = false;  // Init has run: before it there is no fire to draw

constexpr unsigned char kEscape = 27;

void Display() {
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  if (fireReady) fireEffect.Draw();
  glutSwapBuffers();
}

void Idle() {
  framePacer.WaitForNextFrame();
  glutPostRedisplay();
}

void Keyboard(unsigned char key, int /*x*/, int /*y*/) {
  if (key == kEscape) std::exit(0);
}

bool CoversScreen() {
  return glutGet(GLUT_WINDOW_X) == 0 && glutGet(GLUT_WINDOW_Y) == 0 &&
         glutGet(GLUT_WINDOW_WIDTH) == glutGet(GLUT_SCREEN_WIDTH) &&
         glutGet(GLUT_WINDOW_HEIGHT) == glutGet(GLUT_SCREEN_HEIGHT);
}

// freeglut moves and sizes the window only as its loop runs, so it runs
// here until the window covers the screen: a palette that cannot be read
// shows its box over the full-screen fire, not over a small window in a
// corner. Its loop draws meanwhile, hence fireReady. A window manager that
// never grants the full screen gets a second, then the start goes on.
void WaitUntilScreenCovered() {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(1);
  while (!CoversScreen() && std::chrono::steady_clock::now() < deadline) {
    glutMainLoopEvent();
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

void CoverScreen() {
  // Without a window manager freeglut would leave the window at (1, 1).
  glutPositionWindow(0, 0);
  glutFullScreen();
  HidePointerOverFire();
  WaitUntilScreenCovered();
  // A window manager may hand over the full size before freeglut has drawn
  // at it; until the fire burns, show black, not what lay under the window.
  Display();
  // The host starts us as a window that gets the focus; another program
  // holding the keyboard would otherwise swallow the Escape that ends us.
  FocusFireWindow();
}

}  // namespace

int main(int argc, char** argv) {
  blazemere::platform::IgnoreFileSizeLimitSignal();
  if (const std::optional<int> status = BurnOnGivenWindowIfAsked(argc, argv, fireEffect)) return *status;
  glutInitWindowSize(300, 300);
  glutInit(&argc, argv);
  glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
  glutCreateWindow(blazemere::names::kRendererWindowTitle);
  glutKeyboardFunc(Keyboard);
  glutDisplayFunc(Display);
  glutIdleFunc(Idle);
  CoverScreen();
  InitGl();
  fireEffect.Init();
  fireReady = true;
  framePacer.Start();
  glutMainLoop();
  return 0;
}
