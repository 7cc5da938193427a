// Writes the Command button's six looks side by side, as the painter draws
// them for an 81 x 25 button, into one PPM file (for the documentation).
// Usage: blazemere_command_looks OUTPUT.ppm
#include <iostream>
#include <utility>

#include "common/ppm.h"

#include "host/core/controls/skin_painter.h"
#include "host/resources/button/button_pictures.h"

namespace {

using blazemere::RgbImage;
using blazemere::controls::StatePicture;

constexpr int kButtonWidth = 81;
constexpr int kButtonHeight = 25;
constexpr int kGap = 6;

// Each look with the gradient direction it gets on its usual way in: the
// hover look inverted, the pressed look reached from hover, the focused hover
// entered from the focused look.
constexpr std::pair<StatePicture, bool> kLooks[] = {
    {StatePicture::kNormal, false},   {StatePicture::kHighLight, true},
    {StatePicture::kSelected, false}, {StatePicture::kHighLightSelect, false},
    {StatePicture::kPressed, true},   {StatePicture::kDisable, false},
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: blazemere_command_looks OUTPUT.ppm\n";
    return 2;
  }
  const int count = static_cast<int>(std::size(kLooks));
  RgbImage sheet(kGap + count * (kButtonWidth + kGap), kButtonHeight + 2 * kGap,
                 blazemere::controls::kControlBackground);
  for (int i = 0; i < count; ++i) {
    const auto [picture, inverted] = kLooks[i];
    const RgbImage look = blazemere::controls::PaintSkin(blazemere::controls::StatePictureImage(picture),
                                                         kButtonWidth, kButtonHeight, inverted);
    const int left = kGap + i * (kButtonWidth + kGap);
    for (int y = 0; y < look.height; ++y) {
      for (int x = 0; x < look.width; ++x) sheet.Set(left + x, kGap + y, look.At(x, y));
    }
  }
  if (!blazemere::WritePpm(argv[1], sheet)) {
    std::cerr << "blazemere_command_looks: cannot write " << argv[1] << "\n";
    return 1;
  }
  return 0;
}
