// Pointer hiding on X11: see pointer_hiding.h. An empty cursor on the fire
// window.
#include "renderer/glut/pointer_hiding.h"

#include <GL/freeglut.h>

void HidePointerOverFire() { glutSetCursor(GLUT_CURSOR_NONE); }
