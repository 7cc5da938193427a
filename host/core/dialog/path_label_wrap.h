// Line breaking for the dialog's path label: a long path is spread over the
// label's lines instead of running off its right edge.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace blazemere::dialog {

// Width in pixels of a piece of UTF-8 text in the label's font.
using TextMeasure = std::function<double(std::string_view)>;

// Splits UTF-8 `text` into lines no wider than `maxWidth`, each as long as
// fits. A line ends after the last blank or path separator that still fits;
// a word wider than the label is broken between characters. Every line holds
// at least one character, so a label narrower than one glyph still ends.
// Stops after `maxLines` lines: the label clips what lies below them.
[[nodiscard]] std::vector<std::string> WrapIntoLines(std::string_view text, double maxWidth, std::size_t maxLines,
                                       const TextMeasure& measure);

}  // namespace blazemere::dialog
