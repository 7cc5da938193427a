// Blazemere.dll: the full-screen fire. Opens the window "Blazemere_VC" (the
// host watches for it by that title), hides the pointer and burns until
// Escape or until the window is closed.
#include <GL/freeglut.h>
#include <GL/glu.h>

#include <cstdlib>

#include "platform/paths/atomic_file.h"
#include "renderer/fire_effect.h"
#include "renderer/frame_pacer.h"

namespace {

// GLUT's callbacks carry no context, so the frame loop's two owners live
// here. The fire object's destructor runs from the exit handler.
FireEffect fireEffect;
FramePacer framePacer;

constexpr unsigned char kEscape = 27;

void InitGl() {
  glEnable(GL_TEXTURE_2D);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluPerspective(45.0, 1.0, 0.1f, 100.0);
  glTranslatef(0.0f, 0.0f, -2.0f);
  glShadeModel(GL_SMOOTH);
  glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
  // The projection stays the current matrix for good: the zoom piles its
  // translations onto it frame after frame.
}

void Display() {
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  fireEffect.Draw();
  glutSwapBuffers();
}

void Idle() {
  framePacer.WaitForNextFrame();
  glutPostRedisplay();
}

void Keyboard(unsigned char key, int /*x*/, int /*y*/) {
  if (key == kEscape) std::exit(0);
}

void CoverScreen() {
  // Without a window manager freeglut would leave the window at (1, 1).
  glutPositionWindow(0, 0);
  glutFullScreen();
  glutSetCursor(GLUT_CURSOR_NONE);
}

}  // namespace

int main(int argc, char** argv) {
  blazemere::platform::IgnoreFileSizeLimitSignal();
  glutInitWindowSize(300, 300);
  glutInit(&argc, argv);
  glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
  glutCreateWindow("Blazemere_VC");
  glutKeyboardFunc(Keyboard);
  glutDisplayFunc(Display);
  glutIdleFunc(Idle);
  CoverScreen();
  InitGl();
  fireEffect.Init();
  framePacer.Start();
  glutMainLoop();
  return 0;
}
