// The project's one reader of numbers in text. Its grammar is the one the
// settings file and the settings dialog share; where they differ (how a
// fraction becomes a whole number) the difference is a parameter.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "common/text.h"

namespace blazemere {

// The number a whole text spells: blanks around it, an optional sign, digits
// with an optional decimal point (at least one digit), an optional exponent
// ("e" or "E", an optional sign, digits). Nothing for any other text (empty,
// letters, "inf", hexadecimal, ...). Too large for a double gives an
// infinity, too small gives 0: still a number, just not a usable one.
[[nodiscard]] std::optional<double> ReadDecimalNumber(std::string_view text);

// How a fraction becomes a whole number.
enum class Rounding {
  kDown,        // towards minus infinity: the settings file (-1.5 is -2)
  kHalfToEven,  // to the nearest, halves to the even neighbour: the dialog (3.5 is 4, 2.5 is 2)
};

// ReadDecimalNumber rounded to a whole number; nothing when the text is no
// number or the whole number does not fit a signed 16-bit value.
[[nodiscard]] std::optional<std::int16_t> ReadInt16(std::string_view text, Rounding rounding);

// Whole numbers only: an optional sign and decimal digits, the characters of
// `blanks` around them; nothing for anything else or a value beyond 64 bits.
[[nodiscard]] std::optional<std::int64_t> ReadInteger(std::string_view text, std::string_view blanks = kBlanks);

// The decimal number at the start of `text` once every blank in it is
// dropped (the way Visual Basic's Val reads): a sign, digits, one decimal
// point, digits; it ends at the first character that cannot belong to it.
// Nothing when it holds no digit.
[[nodiscard]] std::optional<double> ReadLeadingNumber(std::string_view text);

// A window id as X programs hand one over ($XSCREENSAVER_WINDOW, the
// --window-id of a settings panel): the whole text as strtoul reads it with
// base 0, so decimal, hexadecimal after "0x" or "0X", octal after a leading
// 0. Nothing for 0, a sign, blanks, anything after the digits or a value
// beyond 32 bits.
[[nodiscard]] std::optional<std::uint32_t> ReadWindowId(std::string_view text);

}  // namespace blazemere
