// bare-glut: the yardstick for the renderer's start and memory. A freeglut
// program with the renderer's display mode and title, full screen, whose
// loop only clears and swaps, paced at 60 frames a second as the renderer
// paces itself where the swap does not wait (Xvfb); Escape ends it.
// With --textured each frame also makes the GL calls the fire's frame makes
// (the zoom's move, a textured square, a 128 x 128 texture uploaded with
// linear filters), on a texture that never changes: the floor of what
// drawing the fire costs the GL library, without any of the renderer's own
// code. The square drifts as the fire's does, so that both cover as many
// pixels at the same moment of a run.
#include <GL/freeglut.h>
#include <GL/glu.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <vector>

#include "common/names.h"
#include "renderer/core/fire/zoom_step.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr Clock::duration kFramePeriod = std::chrono::microseconds(16667);
constexpr int kTextureSize = 128;
Clock::time_point nextFrame;
bool textured = false;
std::int32_t zoomCounter = 0;
std::vector<unsigned char> texels(kTextureSize * kTextureSize * 3, 0x80);

// The fire's two triangles: texture corner (s, t) at (10 s - 5, 10 t - 5, -10).
constexpr int kCorners[6][2] = {{0, 0}, {1, 0}, {1, 1}, {1, 1}, {0, 1}, {0, 0}};

void DrawTexturedSquare() {
  glTranslatef(0.0f, 0.0f, blazemere::fire::AdvanceZoom(zoomCounter));
  glBegin(GL_TRIANGLES);
  for (const auto& [s, t] : kCorners) {
    glTexCoord2d(s, t);
    glVertex3f(10.0f * static_cast<float>(s) - 5.0f, 10.0f * static_cast<float>(t) - 5.0f, -10.0f);
  }
  glEnd();
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, kTextureSize, kTextureSize, 0, GL_RGB, GL_UNSIGNED_BYTE, texels.data());
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
}

void Display() {
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  if (textured) DrawTexturedSquare();
  glutSwapBuffers();
}

void Idle() {
  nextFrame = std::max(nextFrame + kFramePeriod, Clock::now());
  std::this_thread::sleep_until(nextFrame);
  glutPostRedisplay();
}

void Keyboard(unsigned char key, int /*x*/, int /*y*/) {
  if (key == 27) std::exit(0);
}

}  // namespace

int main(int argc, char** argv) {
  glutInitWindowSize(300, 300);
  glutInit(&argc, argv);
  textured = argc > 1 && std::strcmp(argv[1], "--textured") == 0;
  glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
  glutCreateWindow(blazemere::names::kRendererWindowTitle);
  glutKeyboardFunc(Keyboard);
  glutDisplayFunc(Display);
  glutIdleFunc(Idle);
  glutPositionWindow(0, 0);
  glutFullScreen();
  if (textured) {
    glEnable(GL_TEXTURE_2D);
    glMatrixMode(GL_PROJECTION);
    gluPerspective(45.0, 1.0, 0.1, 100.0);
    glTranslatef(0.0f, 0.0f, -2.0f);
  }
  glutMainLoop();
  return 0;
}
