// The text of a message box where no box can be shown: on standard error.
#pragma once

#include <string>

namespace blazemere::platform {

// "caption: text", one line break at the end whether or not the text ends
// with one.
void WriteMessageToStandardError(const std::string& caption, const std::string& text);

}  // namespace blazemere::platform
