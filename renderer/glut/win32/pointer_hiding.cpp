// Pointer hiding on Windows: see pointer_hiding.h. ShowCursor(FALSE), the
// system's own counter, once; freeglut's empty cursor besides, so the
// window's class cursor never flashes up as the pointer crosses it.
#include "renderer/glut/pointer_hiding.h"

#include <GL/freeglut.h>

void HidePointerOverFire() {
  glutSetCursor(GLUT_CURSOR_NONE);
  ShowCursor(FALSE);
}
