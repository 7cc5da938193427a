// The caption font of a Command button: the font object a form hands to its
// controls. The button keeps it by shared reference, so a caller that changes
// the font it got back changes the caption's font.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace blazemere::controls {

struct CaptionFont {
  std::string name = "ＭＳ Ｐゴシック";
  double sizePoints = 9.75;
  int weight = 400;
  bool italic = false;
  bool underline = false;
  bool strikeThrough = false;
  int characterSet = 128;

  bool operator==(const CaptionFont&) const = default;
};

using SharedCaptionFont = std::shared_ptr<CaptionFont>;

}  // namespace blazemere::controls
