// Windows smoke program: each mode exercises one service the real programs
// will use, and prints what it saw, one line per call, for the self-check.
//   smoke window SECONDS     full-screen "Blazemere_VC" GLUT window; Escape ends it
//   smoke ini FILE           WritePrivateProfileStringA, then read it back
//   smoke wav FILE           PlaySoundA, synchronous
//   smoke mci COMMAND...     mciSendStringA per argument ("sleep MS" pauses)
//   smoke jpeg               libjpeg links and reports its version
#include <windows.h>
#include <mmsystem.h>

#include <GL/freeglut.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" {
#include <jpeglib.h>
}

namespace {

int seconds_left = 0;

void draw() {
  // A vertical ramp, so a screenshot shows the window's own pixels.
  glBegin(GL_QUADS);
  glColor3f(0.9f, 0.3f, 0.0f);
  glVertex2f(-1, -1);
  glVertex2f(1, -1);
  glColor3f(1.0f, 0.9f, 0.2f);
  glVertex2f(1, 1);
  glVertex2f(-1, 1);
  glEnd();
  glutSwapBuffers();
}

void tick(int) {
  if (--seconds_left <= 0) glutLeaveMainLoop();
  glutTimerFunc(1000, tick, 0);
}

void key(unsigned char k, int, int) {
  if (k != 27) return;
  std::printf("escape\n");
  std::fflush(stdout);
  glutLeaveMainLoop();
}

int window(int argc, char** argv, int seconds) {
  glutInit(&argc, argv);
  glutInitDisplayMode(GLUT_RGBA | GLUT_DOUBLE);
  glutInitWindowPosition(0, 0);
  glutInitWindowSize(glutGet(GLUT_SCREEN_WIDTH), glutGet(GLUT_SCREEN_HEIGHT));
  glutCreateWindow("Blazemere_VC");
  glutFullScreen();
  glutDisplayFunc(draw);
  glutKeyboardFunc(key);
  seconds_left = seconds;
  glutTimerFunc(1000, tick, 0);
  std::printf("screen %dx%d\n", glutGet(GLUT_SCREEN_WIDTH), glutGet(GLUT_SCREEN_HEIGHT));
  std::fflush(stdout);
  glutMainLoop();
  return 0;
}

int ini(const char* file) {
  const char* keys[][2] = {{"Music", "C:\\music\\a.mp3"}, {"Repeat", "1"}, {"Blank", ""}};
  int bad = 0;
  for (auto& kv : keys) {
    if (!WritePrivateProfileStringA("Blazemere", kv[0], kv[1], file)) ++bad;
    char got[256] = "?";
    GetPrivateProfileStringA("Blazemere", kv[0], "<default>", got, sizeof got, file);
    std::printf("%s=[%s]\n", kv[0], got);
    if (std::strcmp(got, kv[1]) != 0) ++bad;
  }
  char missing[64];
  DWORD n = GetPrivateProfileStringA("Blazemere", "Missing", "<default>", missing, sizeof missing, file);
  std::printf("Missing=[%s] %lu\n", missing, static_cast<unsigned long>(n));
  return bad == 0 ? 0 : 1;
}

int wav(const char* file) {
  BOOL ok = PlaySoundA(file, nullptr, SND_FILENAME | SND_SYNC | SND_NODEFAULT);
  std::printf("PlaySoundA %d\n", ok ? 1 : 0);
  return ok ? 0 : 1;
}

int mci(int count, char** commands) {
  for (int i = 0; i < count; ++i) {
    const char* command = commands[i];
    if (std::strncmp(command, "sleep ", 6) == 0) {
      Sleep(static_cast<DWORD>(std::atoi(command + 6)));
      continue;
    }
    char reply[256] = "";
    MCIERROR rc = mciSendStringA(command, reply, sizeof reply, nullptr);
    char text[256] = "";
    if (rc != 0) mciGetErrorStringA(rc, text, sizeof text);
    std::printf("%s\t%lu\t[%s]\t%s\n", command, static_cast<unsigned long>(rc), reply, text);
    std::fflush(stdout);
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "window" && argc == 3) return window(argc, argv, std::atoi(argv[2]));
  if (mode == "ini" && argc == 3) return ini(argv[2]);
  if (mode == "wav" && argc == 3) return wav(argv[2]);
  if (mode == "mci") return mci(argc - 2, argv + 2);
  if (mode == "jpeg") {
    jpeg_decompress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    std::printf("libjpeg %d\n", JPEG_LIB_VERSION);
    jpeg_destroy_decompress(&info);
    return 0;
  }
  std::fprintf(stderr, "usage: smoke window SECONDS | ini FILE | wav FILE | mci COMMAND... | jpeg\n");
  return 2;
}
