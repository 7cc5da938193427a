// Number texts of the settings dialog: see dialog_number_text.h.
#include "host/core/dialog/dialog_number_text.h"

#include "common/number_text.h"

namespace blazemere::dialog {

std::string FormatHashPattern(int value) { return value == 0 ? std::string() : std::to_string(value); }

std::int16_t RepeatTrackFromText(std::string_view text) { return ReadInt16(text, Rounding::kHalfToEven).value_or(0); }

}  // namespace blazemere::dialog
