// echo-arguments OUT ARG...: writes the arguments after OUT, as this
// program's C runtime split its command line, into the file OUT (UTF-8, each
// followed by a NUL byte). Shows what a program started by StartProgram
// really receives.
#include <cstdio>
#include <string>

#include "platform/win32/wide_text.h"

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return 2;
  std::string all;
  for (int i = 2; i < argc; ++i) {
    all += blazemere::platform::Utf8FromWide(argv[i]);
    all += '\0';
  }
  FILE* out = _wfopen(argv[1], L"wb");
  if (out == nullptr) return 1;
  const bool written = std::fwrite(all.data(), 1, all.size(), out) == all.size();
  return std::fclose(out) == 0 && written ? 0 : 1;
}
