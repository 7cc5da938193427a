// Draws the settings dialog's pictures and writes them as C++ arrays for the
// build (and, with --pictures, as plain picture files for people to look at).
// Everything is computed here or, for the window icon, by the flame icon's
// drawing; no picture comes from anywhere else.
//
//   dialog_art_generator <out.cpp> [--pictures <folder>]
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "common/ppm.h"
#include "common/rgb_image.h"
#include "host/resources/icon/flame_icon.h"

namespace {

using blazemere::RgbImage;
using blazemere::resources::FlameIconPixels;

std::uint8_t Level(int value) { return static_cast<std::uint8_t>(std::clamp(value, 0, 255)); }

std::uint32_t Colour(int red, int green, int blue) {
  return std::uint32_t{Level(red)} << 16 | std::uint32_t{Level(green)} << 8 | Level(blue);
}

// A small fixed-seed generator, so every build draws the same strip.
class Noise {
 public:
  explicit Noise(std::uint32_t seed) : state_(seed) {}
  double Next() {  // uniform in [-1, 1)
    state_ = state_ * 1664525u + 1013904223u;
    return static_cast<double>(state_ >> 8) / static_cast<double>(1u << 23) - 1.0;
  }

 private:
  std::uint32_t state_;
};

// Light grey with faint horizontal streaks: each row has its own shade, and
// runs of varying length along the row lighten or darken it a little more.
RgbImage DrawPanelStrip() {
  constexpr int kWidth = 556;
  constexpr int kHeight = 20;
  constexpr std::array<double, 3> kTargetMean{199.0, 195.0, 194.0};
  Noise noise(0x5EEDu);
  std::vector<std::array<double, 3>> values(static_cast<std::size_t>(kWidth) * kHeight);
  for (int y = 0; y < kHeight; ++y) {
    const double rowShade = 5.0 * noise.Next();
    int x = 0;
    while (x < kWidth) {
      const int runLength = 24 + static_cast<int>((noise.Next() + 1.0) * 60.0);
      const double runShade = 3.0 * noise.Next();
      for (int i = 0; i < runLength && x < kWidth; ++i, ++x) {
        const double grain = 1.2 * noise.Next();
        const double shade = rowShade + runShade + grain;
        values[static_cast<std::size_t>(y) * kWidth + x] = {shade, shade, shade};
      }
    }
  }
  // Shift each channel so the strip's mean colour is the warm light grey.
  RgbImage strip(kWidth, kHeight);
  for (int c = 0; c < 3; ++c) {
    double sum = 0.0;
    for (const auto& v : values) sum += v[c];
    const double offset = kTargetMean[c] - sum / static_cast<double>(values.size());
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x)
        strip.pixels[(static_cast<std::size_t>(y) * kWidth + x) * 3 + c] = static_cast<std::uint8_t>(
            std::clamp(std::lround(values[static_cast<std::size_t>(y) * kWidth + x][c] + offset), 0L, 255L));
  }
  return strip;
}

// A 12 x 12 square in a grey frame, white or filled with blue.
RgbImage DrawOption(bool selected) {
  RgbImage picture(12, 12);
  for (int y = 0; y < 12; ++y) {
    for (int x = 0; x < 12; ++x) {
      const bool frame = x == 0 || y == 0 || x == 11 || y == 11;
      const bool inner = x == 1 || y == 1 || x == 10 || y == 10;
      if (frame) picture.Set(x, y, Colour(128, 128, 128));
      else if (!selected) picture.Set(x, y, Colour(255, 255, 255));
      else if (inner) picture.Set(x, y, Colour(255, 255, 255));
      else picture.Set(x, y, Colour(32, 84, 214));
    }
  }
  return picture;
}

// The pointing hand, built from rounded boxes: index finger up with its tip
// at (12, 10), three bent fingers, thumb to the left, palm and cuff.
struct HandShape {
  static constexpr int kSize = 32;
  std::array<std::array<bool, kSize>, kSize> inside{};
  std::array<std::array<bool, kSize>, kSize> line{};

  void Box(int left, int top, int right, int bottom, bool roundTop) {
    for (int y = top; y <= bottom; ++y)
      for (int x = left; x <= right; ++x) {
        const bool corner = roundTop && y == top && (x == left || x == right);
        if (!corner) inside[y][x] = true;
      }
  }
  void Line(int x0, int y0, int x1, int y1) {
    for (int y = y0; y <= y1; ++y)
      for (int x = x0; x <= x1; ++x) line[y][x] = true;
  }
  bool In(int x, int y) const { return x >= 0 && y >= 0 && x < kSize && y < kSize && inside[y][x]; }
};

HandShape DrawHand() {
  HandShape hand;
  hand.Box(10, 10, 14, 21, true);  // index finger
  hand.Box(14, 15, 18, 21, true);  // middle
  hand.Box(18, 16, 22, 22, true);  // ring
  hand.Box(22, 17, 25, 23, true);  // little finger
  hand.Box(8, 21, 25, 27, false);  // palm
  for (int y = 19; y <= 25; ++y) hand.Box(4 + (y - 19), y, 10, y, y == 19);  // thumb
  hand.Box(10, 28, 23, 31, false);  // cuff
  hand.Line(14, 15, 14, 21);        // gaps between the bent fingers
  hand.Line(18, 16, 18, 21);
  hand.Line(22, 17, 22, 22);
  hand.Line(10, 28, 23, 28);        // cuff seam
  for (int y = 0; y < HandShape::kSize; ++y)
    for (int x = 0; x < HandShape::kSize; ++x)
      if (hand.In(x, y) && (!hand.In(x - 1, y) || !hand.In(x + 1, y) || !hand.In(x, y - 1) || !hand.In(x, y + 1)))
        hand.line[y][x] = true;
  return hand;
}

// X bitmap bytes: rows of 4 bytes, lowest bit leftmost.
std::vector<std::uint8_t> BitmapBytes(const std::array<std::array<bool, 32>, 32>& bits) {
  std::vector<std::uint8_t> bytes(32 * 4, 0);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x)
      if (bits[y][x]) bytes[static_cast<std::size_t>(y) * 4 + x / 8] |= static_cast<std::uint8_t>(1u << (x % 8));
  return bytes;
}

void WriteArray(std::ostream& out, const std::string& name, const std::vector<std::uint8_t>& bytes) {
  out << "const std::uint8_t " << name << "[" << bytes.size() << "] = {";
  for (std::size_t i = 0; i < bytes.size(); ++i) out << (i % 20 == 0 ? "\n   " : "") << ' ' << int{bytes[i]} << ',';
  out << "\n};\n";
}

// The window icon, the one picture with transparency, keeps it in a PAM
// file, PPM's sibling with alpha.
bool WritePam(const std::string& path, const FlameIconPixels& icon) {
  std::ofstream file(path, std::ios::binary);
  file << "P7\nWIDTH " << icon.size << "\nHEIGHT " << icon.size << "\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n";
  file.write(reinterpret_cast<const char*>(icon.rgba.data()), static_cast<std::streamsize>(icon.rgba.size()));
  file.close();
  return static_cast<bool>(file);
}

void WriteXbm(const std::string& path, const std::string& name, const std::vector<std::uint8_t>& bytes, int hotX,
              int hotY) {
  std::ofstream file(path);
  file << "#define " << name << "_width 32\n#define " << name << "_height 32\n";
  if (hotX >= 0) file << "#define " << name << "_x_hot " << hotX << "\n#define " << name << "_y_hot " << hotY << "\n";
  file << "static unsigned char " << name << "_bits[] = {";
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%02x", bytes[i]);
    file << (i % 12 == 0 ? "\n  " : " ") << text << (i + 1 < bytes.size() ? "," : "");
  }
  file << " };\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 && !(argc == 4 && std::string(argv[2]) == "--pictures")) {
    std::cerr << "usage: dialog_art_generator <out.cpp> [--pictures <folder>]\n";
    return 2;
  }
  const RgbImage strip = DrawPanelStrip();
  const RgbImage optionOff = DrawOption(false);
  const RgbImage optionOn = DrawOption(true);
  const HandShape hand = DrawHand();
  const std::vector<std::uint8_t> handShape = BitmapBytes(hand.line);
  const std::vector<std::uint8_t> handMask = BitmapBytes(hand.inside);
  const FlameIconPixels icon = blazemere::resources::DrawFlameIcon(32);

  std::ostringstream out;
  out << "// Generated by dialog_art_generator.cpp; do not edit.\n"
      << "#include \"host/resources/dialog/dialog_art.h\"\n\nnamespace blazemere::resources {\nnamespace {\n\n";
  WriteArray(out, "kStrip", strip.pixels);
  WriteArray(out, "kOptionOff", optionOff.pixels);
  WriteArray(out, "kOptionOn", optionOn.pixels);
  WriteArray(out, "kHandShape", handShape);
  WriteArray(out, "kHandMask", handMask);
  WriteArray(out, "kIcon", icon.rgba);
  out << "\nRgbImage Picture(int width, int height, const std::uint8_t* bytes) {\n"
      << "  RgbImage picture(width, height);\n"
      << "  picture.pixels.assign(bytes, bytes + picture.pixels.size());\n"
      << "  return picture;\n}\n"
      << "\n}  // namespace\n\n"
      << "const RgbImage& PanelStrip() {\n  static const RgbImage kPicture = Picture(556, 20, kStrip);\n  return kPicture;\n}\n"
      << "const RgbImage& OptionNotSelected() {\n  static const RgbImage kPicture = Picture(12, 12, kOptionOff);\n"
      << "  return kPicture;\n}\n"
      << "const RgbImage& OptionSelected() {\n  static const RgbImage kPicture = Picture(12, 12, kOptionOn);\n"
      << "  return kPicture;\n}\n"
      << "CursorBitmap HandCursor() { return {32, 32, 12, 10, kHandShape, kHandMask}; }\n"
      << "RgbaPicture WindowIcon() { return {32, 32, kIcon}; }\n\n"
      << "}  // namespace blazemere::resources\n";
  std::ofstream source(argv[1]);
  source << out.str();
  source.close();
  if (!source) {
    std::cerr << "dialog_art_generator: cannot write " << argv[1] << "\n";
    return 1;
  }

  if (argc == 4) {
    const std::string folder = argv[3];
    const bool written = blazemere::WritePpm(folder + "/panel_strip.ppm", strip) &&
                         blazemere::WritePpm(folder + "/option_not_selected.ppm", optionOff) &&
                         blazemere::WritePpm(folder + "/option_selected.ppm", optionOn) &&
                         WritePam(folder + "/window_icon.pam", icon);
    if (!written) {
      std::cerr << "dialog_art_generator: cannot write the pictures into " << folder << "\n";
      return 1;
    }
    WriteXbm(folder + "/hand_cursor.xbm", "hand_cursor", handShape, 12, 10);
    WriteXbm(folder + "/hand_cursor_mask.xbm", "hand_cursor_mask", handMask, -1, -1);
  }
  return 0;
}
