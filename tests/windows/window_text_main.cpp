// window-text TITLE: the controls of the top-level window titled TITLE, one
// a line as "CLASS<TAB>TEXT", line breaks in a text written as \n and \r.
// Lets the scenario scripts read what a message box or dialog of another
// program says, which the X server cannot tell. Waits up to 10 s for the
// window; status 1 when none comes.
#include <windows.h>

#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <string>

#include "platform/win32/wide_text.h"

namespace {

std::string Escaped(const std::string& text) {
  std::string out;
  for (const char c : text) {
    if (c == '\n') out += "\\n";
    else if (c == '\r') out += "\\r";
    else out += c;
  }
  return out;
}

BOOL CALLBACK PrintControl(HWND control, LPARAM) {
  wchar_t className[256] = {};
  GetClassNameW(control, className, 256);
  const int length = GetWindowTextLengthW(control);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), length + 1)));
  using blazemere::platform::Utf8FromWide;
  std::printf("%s\t%s\n", Utf8FromWide(className).c_str(), Escaped(Utf8FromWide(text)).c_str());
  return TRUE;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: window-text TITLE\n");
    return 2;
  }
  _setmode(_fileno(stdout), _O_BINARY);
  for (int waited = 0; waited < 10000; waited += 50) {
    if (const HWND window = FindWindowW(nullptr, argv[1])) {
      EnumChildWindows(window, PrintControl, 0);
      return 0;
    }
    Sleep(50);
  }
  return 1;
}
