// Shows one message box: message-box-demo [CAPTION [TEXT [error]]].
// Used by the window tests and to look at the box by hand.
#include "platform/message_box/message_box.h"

#include <cstring>

int main(int argc, char** argv) {
  const std::string caption = argc > 1 ? argv[1] : "Error";
  const std::string text = argc > 2 ? argv[2] : "Failed to open DIB file c:\\k_vorn\\Blazemere.bmp.\n";
  const bool error = argc > 3 && std::strcmp(argv[3], "error") == 0;
  blazemere::platform::ShowMessageBox(
      caption, text, error ? blazemere::platform::MessageBoxIcon::kError : blazemere::platform::MessageBoxIcon::kNone);
  return 0;
}
