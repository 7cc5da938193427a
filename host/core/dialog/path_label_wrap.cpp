// Line breaking of the path label: see path_label_wrap.h.
#include "host/core/dialog/path_label_wrap.h"

#include "common/text.h"

namespace blazemere::dialog {
namespace {

std::size_t NextCharacterEnd(std::string_view text, std::size_t at) { return at + Utf8CharacterLength(text, at); }

bool IsBreakAfter(char c) { return c == ' ' || c == '/' || c == '\\'; }

// Length of the first line of `text`.
std::size_t FirstLineLength(std::string_view text, double maxWidth, const TextMeasure& measure) {
  std::size_t fits = NextCharacterEnd(text, 0);  // at least one character
  std::size_t lastBreak = 0;
  if (IsBreakAfter(text[0])) lastBreak = fits;
  while (fits < text.size()) {
    const std::size_t next = NextCharacterEnd(text, fits);
    if (measure(text.substr(0, next)) > maxWidth) return lastBreak > 0 ? lastBreak : fits;
    if (IsBreakAfter(text[fits])) lastBreak = next;
    fits = next;
  }
  return fits;
}

}  // namespace

std::vector<std::string> WrapIntoLines(std::string_view text, double maxWidth, std::size_t maxLines,
                                       const TextMeasure& measure) {
  std::vector<std::string> lines;
  while (!text.empty() && lines.size() < maxLines) {
    const std::size_t length = FirstLineLength(text, maxWidth, measure);
    lines.emplace_back(text.substr(0, length));
    text.remove_prefix(length);
  }
  return lines;
}

}  // namespace blazemere::dialog
