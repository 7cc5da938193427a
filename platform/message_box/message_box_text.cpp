// The message box's fallback: see message_box_text.h.
#include "platform/message_box/message_box_text.h"

#include <cstdio>

namespace blazemere::platform {

void WriteMessageToStandardError(const std::string& caption, const std::string& text) {
  std::fprintf(stderr, "%s: %s%s", caption.c_str(), text.c_str(),
               (!text.empty() && text.back() == '\n') ? "" : "\n");
  std::fflush(stderr);
}

}  // namespace blazemere::platform
