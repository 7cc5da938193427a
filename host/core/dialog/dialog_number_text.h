// The number texts of the settings dialog's repeat box: the "##" pattern it
// shows numbers in, and the track that whatever the user typed stands for.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace blazemere::dialog {

// "##": no forced digits, so 0 gives empty text; 7 gives "7", -3 gives "-3".
[[nodiscard]] std::string FormatHashPattern(int value);

// The CD track to store for a repeat-box text: the number it spells rounded
// to the nearest integer with halves to the even neighbour. Text that is no
// number, and a number that does not fit a signed 16-bit value, give 0 (the
// same outcome the settings file gives such a value when it is loaded).
[[nodiscard]] std::int16_t RepeatTrackFromText(std::string_view text);

}  // namespace blazemere::dialog
