// Draws the Command button's six 64 x 25 state pictures: a rounded frame on
// a margin, with a highlight band that tells the state (near-white at rest,
// a warm glow under the pointer, a cool glow with the focus, a sunken frame
// when pressed, a flat grey one when disabled). Only the outer 4-pixel band
// reaches the screen, so its colours are exact; the inside follows the same
// scheme. Writes them as C++ arrays (--cpp FILE) and as PPM files for
// looking at (--ppm FOLDER).
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "common/ppm.h"
#include "common/rgb_image.h"

namespace {

using blazemere::RgbImage;

constexpr int kWidth = 64;
constexpr int kHeight = 25;
constexpr std::uint32_t kDialogFace = 0xECE9D8;

struct Gradient {
  std::uint32_t top;
  std::uint32_t bottom;
};

struct Scheme {
  const char* name;
  int frameLayer;          // 1: frame on the second pixel; 2: one further in (sunken)
  std::uint32_t frame;
  std::array<std::uint32_t, 4> topRows;     // rows 0, 1, 2, 3
  std::array<std::uint32_t, 4> bottomRows;  // rows 21, 22, 23, 24
  std::array<Gradient, 4> leftColumns;      // columns 0..3, row 4 to row 20
  std::array<Gradient, 4> rightColumns;     // columns 60..63, row 4 to row 20
  Gradient inside;
  bool shadedRightHalf;  // outermost rows a shade different in columns 32..56
};

constexpr Gradient Flat(std::uint32_t c) { return {c, c}; }

constexpr Gradient kRestInside{0xF8F8F4, 0xE9E8E1};

const std::array<Scheme, 6> kSchemes{{
    {"Normal", 1, 0x003C74,
     {0xE0DCC9, 0x003C74, 0xF3F3EE, 0xF3F3EE},
     {0xE2DFD6, 0xD6D0C5, 0x003C74, 0xF8F7F0},
     {{{0xE1DDCA, 0xE2DECB}, Flat(0x003C74), {0xFDFDFC, 0xECEBE6}, {0xFDFDFC, 0xEBEBE5}}},
     {{{0xFBFBFA, 0xE4E2DA}, {0xF6F4F2, 0xE0DDD4}, Flat(0x003C74), {0xEFEDDF, 0xF1EEE2}}},
     kRestInside, true},
    {"HighLight", 1, 0x003C74,
     {0xE0DCC9, 0x003C74, 0xFFF0CF, 0xFDD889},
     {0xF8B330, 0xE59700, 0x003C74, 0xF8F7F0},
     {{{0xE1DDCA, 0xE2DECB}, Flat(0x003C74), {0xFEDF9A, 0xF9B435}, {0xFCD279, 0xF8B535}}},
     {{{0xFCD279, 0xF8B535}, {0xFDE09B, 0xF8B435}, Flat(0x003C74), {0xEFEDDF, 0xF1EEE2}}},
     kRestInside, true},
    {"Selected", 1, 0x003C74,
     {0xE0DCC9, 0x003C74, 0xCEE7FF, 0xCEE7FF},
     {0x6982EE, 0x6982EE, 0x003C74, 0xF8F7F0},
     {{{0xE1DDCA, 0xE2DECB}, Flat(0x003C74), {0xB7D0F4, 0x8BADE4}, {0xB8D1F4, 0x8BADE4}}},
     {{{0xB1CCF2, 0x8BAFE5}, {0xB1CCF2, 0x8BAFE5}, Flat(0x003C74), {0xEFEDDF, 0xF1EEE2}}},
     kRestInside, true},
    {"HighLightSelect", 1, 0x003C74,  // the same pixels as HighLight
     {0xE0DCC9, 0x003C74, 0xFFF0CF, 0xFDD889},
     {0xF8B330, 0xE59700, 0x003C74, 0xF8F7F0},
     {{{0xE1DDCA, 0xE2DECB}, Flat(0x003C74), {0xFEDF9A, 0xF9B435}, {0xFCD279, 0xF8B535}}},
     {{{0xFCD279, 0xF8B535}, {0xFDE09B, 0xF8B435}, Flat(0x003C74), {0xEFEDDF, 0xF1EEE2}}},
     kRestInside, true},
    {"Pressed", 2, 0x003C74,
     {0xECE9D8, 0xE0DCC9, 0x003C74, 0xD1CCC1},
     {0xF2F1EE, 0x003C74, 0xF8F7F0, 0xECE9D8},
     {{Flat(0xECE9D8), Flat(0xE2DECB), Flat(0x003C74), Flat(0xD7D4CB)}},
     {{Flat(0xE4E3DC), Flat(0x003C74), Flat(0xF0EEE0), Flat(0xECE9D8)}},
     {0xE2DFD3, 0xEEECE2}, false},
    {"Disable", 1, 0xC9C7BA,
     {0xECE9D8, 0xC9C7BA, 0xF5F4EA, 0xF5F4EA},
     {0xF5F4EA, 0xF5F4EA, 0xC9C7BA, 0xECE9D8},
     {{Flat(0xECE9D8), Flat(0xC9C7BA), Flat(0xF5F4EA), Flat(0xF5F4EA)}},
     {{Flat(0xF5F4EA), Flat(0xF5F4EA), Flat(0xC9C7BA), Flat(0xECE9D8)}},
     Flat(0xF5F4EA), false},
}};

// The rest look's top-left corner, pixel for pixel.
constexpr std::uint32_t kNormalTopLeft[4][4] = {
    {0xE9E7D5, 0xE4DFCE, 0xE1DDCA, 0xE0DCC9},
    {0xE4DFCE, 0xE6E1D0, 0x7A95A8, 0x255783},
    {0xE2DECB, 0x7A95A8, 0x557DA2, 0xC0CFDD},
    {0xE2DECB, 0x255783, 0xBFCEDC, 0xFEFEFE},
};

// How much of the margin, the frame line and the band inside it each pixel
// of a rounded corner shows, row by row from the outer corner; the very
// corner pixel leans towards the dialog's face instead.
struct Mix {
  double outer;
  double frame;
  double inner;
};
constexpr Mix kRounding[4][4] = {
    {{-1, 0, 0}, {1, 0, 0}, {1, 0, 0}, {1, 0, 0}},
    {{1, 0, 0}, {1, 0, 0}, {0.5, 0.5, 0}, {0.15, 0.85, 0}},
    {{1, 0, 0}, {0.5, 0.5, 0}, {0, 0.7, 0.3}, {0, 0.25, 0.75}},
    {{1, 0, 0}, {0.15, 0.85, 0}, {0, 0.25, 0.75}, {0, 0, 1}},
};
constexpr double kCornerTowardsFace = 0.6;

int Channel(std::uint32_t c, int shift) { return static_cast<int>((c >> shift) & 0xFF); }

std::uint32_t Weighted(std::uint32_t a, double wa, std::uint32_t b, double wb, std::uint32_t c, double wc) {
  std::uint32_t result = 0;
  for (int shift = 16; shift >= 0; shift -= 8) {
    const double v = Channel(a, shift) * wa + Channel(b, shift) * wb + Channel(c, shift) * wc;
    result |= static_cast<std::uint32_t>(std::clamp(static_cast<int>(v + 0.5), 0, 255)) << shift;
  }
  return result;
}

std::uint32_t Along(Gradient g, int y) {
  const double t = (std::clamp(y, 4, 20) - 4) / 16.0;
  return Weighted(g.top, 1 - t, g.bottom, t, 0, 0);
}

// Draws one scheme's picture.
class Painter {
 public:
  explicit Painter(const Scheme& scheme) : s_(scheme), picture_(kWidth, kHeight) { Draw(); }
  const RgbImage& picture() const { return picture_; }

 private:
  void Set(int x, int y, std::uint32_t c) { picture_.Set(x, y, c); }

  std::uint32_t RowColour(int x, int y) const {
    if (s_.shadedRightHalf && x >= 32 && x <= 56) {
      if (y == 0) return 0xDCD6C2;
      if (y == kHeight - 1) return 0xFAFAF6;
    }
    return y < 4 ? s_.topRows[y] : s_.bottomRows[y - (kHeight - 4)];
  }

  std::uint32_t ColumnColour(int x, int y) const {
    return Along(x < 4 ? s_.leftColumns[x] : s_.rightColumns[x - (kWidth - 4)], y);
  }

  // Colour of band `layer` (0 = outermost) near the corner at (x, y), taken
  // from the edge the pixel is closer to; deeper layers are the inside.
  std::uint32_t Layer(int layer, int u, int v, bool right, bool bottom, int y) const {
    if (layer >= 4) return Along(s_.inside, y);
    const int row = bottom ? kHeight - 1 - layer : layer;
    const int column = right ? kWidth - 1 - layer : layer;
    const int endRow = bottom ? 20 : 4;
    const std::uint32_t fromRows = RowColourPlain(row);
    const std::uint32_t fromColumns = ColumnColour(column, endRow);
    if (v < u) return fromRows;
    if (u < v) return fromColumns;
    return Weighted(fromRows, 0.5, fromColumns, 0.5, 0, 0);
  }

  std::uint32_t RowColourPlain(int y) const { return y < 4 ? s_.topRows[y] : s_.bottomRows[y - (kHeight - 4)]; }

  void DrawCorner(bool right, bool bottom) {
    const int size = s_.frameLayer + 3;
    const int offset = s_.frameLayer - 1;
    for (int v = 0; v < size; ++v) {
      for (int u = 0; u < size; ++u) {
        const int x = right ? kWidth - 1 - u : u;
        const int y = bottom ? kHeight - 1 - v : v;
        const int layer = std::min(u, v);
        if (layer < offset) {
          Set(x, y, Layer(layer, u, v, right, bottom, y));
          continue;
        }
        const Mix mix = kRounding[v - offset][u - offset];
        const std::uint32_t outer = Layer(offset, u, v, right, bottom, y);
        const std::uint32_t inner = Layer(layer, u, v, right, bottom, y);
        if (mix.outer < 0) {
          Set(x, y, Weighted(outer, 1 - kCornerTowardsFace, kDialogFace, kCornerTowardsFace, 0, 0));
        } else {
          Set(x, y, Weighted(outer, mix.outer, s_.frame, mix.frame, inner, mix.inner));
        }
      }
    }
  }

  void Draw() {
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) {
        if (y < 4 || y >= kHeight - 4) {
          Set(x, y, RowColour(x, y));
        } else if (x < 4 || x >= kWidth - 4) {
          Set(x, y, ColumnColour(x, y));
        } else {
          Set(x, y, Along(s_.inside, y));
        }
      }
    }
    DrawCorner(false, false);
    DrawCorner(true, false);
    DrawCorner(false, true);
    DrawCorner(true, true);
    if (std::string(s_.name) == "Normal") {
      for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) Set(x, y, kNormalTopLeft[y][x]);
      }
    }
  }

  const Scheme& s_;
  RgbImage picture_;
};

bool WriteCpp(const std::string& path) {
  std::ofstream out(path);
  out << "// Generated by draw_button_pictures; do not edit.\n"
         "#include \"host/resources/button/button_pictures.h\"\n\n"
         "#include <cstdint>\n\n"
         "namespace blazemere::controls {\nnamespace {\n\n";
  for (const Scheme& scheme : kSchemes) {
    const Painter painter(scheme);
    out << "const std::uint8_t k" << scheme.name << "[] = {";
    int n = 0;
    for (const std::uint8_t level : painter.picture().pixels) out << (n++ % 24 == 0 ? "\n    " : " ") << int{level} << ",";
    out << "\n};\n\n";
  }
  out << "RgbImage Make(const std::uint8_t* bytes) {\n"
         "  RgbImage image;\n"
         "  image.width = kStatePictureWidth;\n"
         "  image.height = kStatePictureHeight;\n"
         "  image.pixels.assign(bytes, bytes + kStatePictureWidth * kStatePictureHeight * 3);\n"
         "  return image;\n}\n\n}  // namespace\n\n"
         "const RgbImage& StatePictureImage(StatePicture picture) {\n"
         "  static const RgbImage kImages[] = {";
  for (const Scheme& scheme : kSchemes) out << "Make(k" << scheme.name << "), ";
  out << "};\n"
         "  return kImages[static_cast<int>(picture)];\n}\n\n"
         "const char* StatePictureName(StatePicture picture) {\n"
         "  static const char* const kNames[] = {";
  for (const Scheme& scheme : kSchemes) out << "\"" << scheme.name << "\", ";
  out << "};\n"
         "  return kNames[static_cast<int>(picture)];\n}\n\n"
         "}  // namespace blazemere::controls\n";
  out.close();
  return static_cast<bool>(out);
}

bool WritePpms(const std::string& folder) {
  for (const Scheme& scheme : kSchemes) {
    if (!blazemere::WritePpm(folder + "/" + scheme.name + ".ppm", Painter(scheme).picture())) return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() != 2 || (args[0] != "--cpp" && args[0] != "--ppm")) {
    std::cerr << "usage: draw_button_pictures --cpp FILE | --ppm FOLDER\n";
    return 2;
  }
  const bool ok = args[0] == "--cpp" ? WriteCpp(args[1]) : WritePpms(args[1]);
  if (!ok) std::cerr << "draw_button_pictures: cannot write " << args[1] << "\n";
  return ok ? 0 : 1;
}
