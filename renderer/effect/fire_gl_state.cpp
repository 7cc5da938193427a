// The fire's GL state: see fire_gl_state.h.
#include "renderer/effect/fire_gl_state.h"

#include <GL/gl.h>
#include <GL/glu.h>

void InitGl() {
  glEnable(GL_TEXTURE_2D);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluPerspective(45.0, 1.0, 0.1f, 100.0);
  glTranslatef(0.0f, 0.0f, -2.0f);
  glShadeModel(GL_SMOOTH);
  glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
}
