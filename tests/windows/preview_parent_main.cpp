// preview-parent WIDTH HEIGHT: stands in for the Display Properties' little
// screen. Opens a window whose inside is WIDTH x HEIGHT, prints its handle
// in decimal, waits up to 20 s for another program to put a child titled
// "Preview Window" into it, then prints what it found as
// "child TITLE WIDTHxHEIGHT parent=yes|no other-process=yes|no" (or "none"),
// destroys its window and ends. Wine does not show another process's child
// windows' pixels, so the structure is what the test looks at.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <io.h>

namespace {

const wchar_t* const kChildTitle = L"Preview Window";

const char* YesNo(bool value) { return value ? "yes" : "no"; }

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: preview-parent WIDTH HEIGHT\n");
    return 2;
  }
  _setmode(_fileno(stdout), _O_BINARY);
  RECT outer{0, 0, std::atoi(argv[1]), std::atoi(argv[2])};
  AdjustWindowRect(&outer, WS_OVERLAPPEDWINDOW, FALSE);
  HWND parent = CreateWindowW(L"STATIC", L"preview parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40,
                              outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr, nullptr, nullptr);
  if (parent == nullptr) return 1;
  std::printf("%lu\n", static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(parent)));
  std::fflush(stdout);

  HWND child = nullptr;
  for (int waited = 0; waited < 20000 && child == nullptr; waited += 50) {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    child = FindWindowExW(parent, nullptr, nullptr, kChildTitle);
    if (child == nullptr) Sleep(50);
  }
  if (child == nullptr) {
    std::printf("none\n");
  } else {
    RECT inner{};
    GetClientRect(child, &inner);
    DWORD childProcess = 0;
    GetWindowThreadProcessId(child, &childProcess);
    std::printf("child Preview Window %ldx%ld parent=%s child-style=%s other-process=%s\n", inner.right, inner.bottom,
                YesNo(GetParent(child) == parent), YesNo((GetWindowLongW(child, GWL_STYLE) & WS_CHILD) != 0),
                YesNo(childProcess != GetCurrentProcessId()));
  }
  std::fflush(stdout);
  DestroyWindow(parent);
  return 0;
}
