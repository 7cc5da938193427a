// The number texts of the settings dialog: the "##" pattern of the repeat
// box, the sign-position form of the settings file, and the reading of
// whatever the user typed into the repeat box.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace blazemere::dialog {

// "##": no forced digits, so 0 gives empty text; 7 gives "7", -3 gives "-3".
std::string FormatHashPattern(int value);

// One sign position in front: " 2" for 2, " 0" for 0, "-1" for -1.
std::string FormatWithSignPosition(int value);

// The number a repeat-box text spells: blanks around it, an optional sign,
// digits with an optional decimal point, an optional exponent. Nothing for
// any other text (empty, letters, "inf", hexadecimal, ...).
std::optional<double> ReadDecimalNumber(std::string_view text);

// The CD track to store for a repeat-box text: the number rounded to the
// nearest integer with halves to the even neighbour. Text that is no number,
// and a number that does not fit a signed 16-bit value, give 0 (the same
// outcome the settings file gives such a value when it is loaded).
std::int16_t RepeatTrackFromText(std::string_view text);

}  // namespace blazemere::dialog
