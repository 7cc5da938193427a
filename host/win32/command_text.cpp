// The host's command line on Windows: see command_text.h.
#include "host/win32/command_text.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

namespace blazemere::host {

std::wstring_view ArgumentsText(std::wstring_view commandLine) {
  std::size_t end = 0;
  if (!commandLine.empty() && commandLine.front() == L'"') {
    // A quoted path ends at the next quote; there is no escape inside it.
    const std::size_t close = commandLine.find(L'"', 1);
    end = close == std::wstring_view::npos ? commandLine.size() : close + 1;
  } else {
    end = std::min(commandLine.find_first_of(L" \t"), commandLine.size());
  }
  const std::size_t start = commandLine.find_first_not_of(L" \t", end);
  return start == std::wstring_view::npos ? std::wstring_view() : commandLine.substr(start);
}

std::string ProcessArgumentsText() {
  const wchar_t* line = GetCommandLineW();
  return line == nullptr ? std::string() : platform::Utf8FromWide(ArgumentsText(line));
}

}  // namespace blazemere::host
