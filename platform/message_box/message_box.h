// MessageBox: a modal box with a caption, a text and one OK button, shown
// above every other window and holding the keyboard focus until dismissed.
#pragma once

#include <string>

namespace blazemere::platform {

enum class MessageBoxIcon { kNone, kError };

// Blocks until the box is dismissed (OK, Return, Escape or its close box).
// Without a display the text goes to standard error instead. Text is UTF-8.
void ShowMessageBox(const std::string& caption, const std::string& text, MessageBoxIcon icon);

}  // namespace blazemere::platform
