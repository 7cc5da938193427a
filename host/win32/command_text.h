// The host's command line as Windows hands it to a screen saver: the text
// after the program's path ("/s", "/c:1234", "/p 1234"), read from the UTF-16
// command line so that no character is lost to the ANSI code page.
#pragma once

#include <string>
#include <string_view>

namespace blazemere::host {

// `commandLine` without the program's path (quoted or up to the first blank
// or tab, as the system reads it) and the blanks after it.
[[nodiscard]] std::wstring_view ArgumentsText(std::wstring_view commandLine);

// This process's arguments text as UTF-8.
[[nodiscard]] std::string ProcessArgumentsText();

}  // namespace blazemere::host
