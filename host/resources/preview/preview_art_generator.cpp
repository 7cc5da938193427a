// preview-art-generator OUT.cpp: draws the preview's two pictures, encodes
// them as JPEG (4:4:4, quality 97, so decoding shows no visible loss) and
// writes them as byte arrays into OUT.cpp.
//  - the fire still: frame 30 of our own fire engine with the built-in ramp,
//    the flames a quarter of the way up, stretched to 152 x 112;
//  - the grid panel: a blue-green grid on a tilted dark panel over black.
// Runs at build time only.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <jpeglib.h>
#include <sstream>
#include <string>
#include <vector>

#include "common/rgb_image.h"
#include "renderer/core/fire/fire_still.h"

namespace {

constexpr int kWidth = 152;
constexpr int kHeight = 112;
constexpr int kQuality = 97;

using blazemere::RgbImage;

// The frame of the fire the still shows.
constexpr int kStillFrame = 30;

// Bilinear stretch of the fire frame to the still's size.
RgbImage StretchToStill(const RgbImage& frame) {
  RgbImage still(kWidth, kHeight);
  for (int y = 0; y < kHeight; ++y) {
    const double fy = std::max(0.0, (y + 0.5) * frame.height / kHeight - 0.5);
    const int y0 = static_cast<int>(fy);
    const int y1 = std::min(y0 + 1, frame.height - 1);
    const double wy = fy - y0;
    for (int x = 0; x < kWidth; ++x) {
      const double fx = std::max(0.0, (x + 0.5) * frame.width / kWidth - 0.5);
      const int x0 = static_cast<int>(fx);
      const int x1 = std::min(x0 + 1, frame.width - 1);
      const double wx = fx - x0;
      for (int c = 0; c < 3; ++c) {
        auto at = [&](int px, int py) { return frame.pixels[(static_cast<std::size_t>(py) * frame.width + px) * 3 + c]; };
        const double top = at(x0, y0) * (1 - wx) + at(x1, y0) * wx;
        const double bottom = at(x0, y1) * (1 - wx) + at(x1, y1) * wx;
        still.pixels[(static_cast<std::size_t>(y) * kWidth + x) * 3 + c] =
            static_cast<std::uint8_t>(std::lround(top * (1 - wy) + bottom * wy));
      }
    }
  }
  return still;
}

// Colour of one sample point of the grid picture.
void GridSample(double x, double y, double rgb[3]) {
  // Panel coordinates: the picture turned by -14 degrees about its centre
  // and sheared a little, so the panel leans back to the right.
  constexpr double kAngle = -14.0 * 3.14159265358979 / 180.0;
  const double cx = x - kWidth / 2.0;
  const double cy = y - kHeight / 2.0;
  double u = cx * std::cos(kAngle) - cy * std::sin(kAngle);
  double v = cx * std::sin(kAngle) + cy * std::cos(kAngle);
  u += 0.25 * v;
  u = u / 124.0 + 0.5;  // panel 124 x 84 pixels before the turn
  v = v / 84.0 + 0.5;
  rgb[0] = rgb[1] = rgb[2] = 0.0;
  if (u < 0.0 || u > 1.0 || v < 0.0 || v > 1.0) return;
  const double shade = 0.6 + 0.4 * (1.0 - v);  // lit from above
  rgb[0] = 0.0;
  rgb[1] = 38.0 * shade;
  rgb[2] = 52.0 * shade;
  const double gu = u * 10.0 - std::floor(u * 10.0);
  const double gv = v * 7.0 - std::floor(v * 7.0);
  const bool line = gu < 0.09 || gu > 0.91 || gv < 0.11 || gv > 0.89 || u < 0.015 || u > 0.985 || v < 0.02 ||
                    v > 0.98;
  if (line) {
    rgb[0] = 30.0 * shade;
    rgb[1] = 205.0 * shade;
    rgb[2] = 185.0 * shade;
  }
}

RgbImage GridPanel() {
  constexpr int kSamples = 4;  // 4 x 4 samples per pixel smooth the lines
  RgbImage grid(kWidth, kHeight);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      double sum[3] = {0, 0, 0};
      for (int sy = 0; sy < kSamples; ++sy) {
        for (int sx = 0; sx < kSamples; ++sx) {
          double rgb[3];
          GridSample(x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples, rgb);
          for (int c = 0; c < 3; ++c) sum[c] += rgb[c];
        }
      }
      for (int c = 0; c < 3; ++c) {
        grid.pixels[(static_cast<std::size_t>(y) * kWidth + x) * 3 + c] =
            static_cast<std::uint8_t>(std::lround(sum[c] / (kSamples * kSamples)));
      }
    }
  }
  return grid;
}

std::vector<std::uint8_t> EncodeJpeg(const RgbImage& picture) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);  // build tool: libjpeg may end it on error
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = static_cast<JDIMENSION>(picture.width);
  info.image_height = static_cast<JDIMENSION>(picture.height);
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, kQuality, TRUE);
  for (int c = 0; c < 3; ++c) {  // 4:4:4, no colour subsampling
    info.comp_info[c].h_samp_factor = 1;
    info.comp_info[c].v_samp_factor = 1;
  }
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    auto* row = const_cast<JSAMPLE*>(picture.pixels.data() + static_cast<std::size_t>(info.next_scanline) * picture.width * 3);
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  std::vector<std::uint8_t> bytes(buffer, buffer + size);
  jpeg_destroy_compress(&info);
  std::free(buffer);
  return bytes;
}

std::string ByteArray(const char* name, const std::vector<std::uint8_t>& bytes) {
  std::ostringstream out;
  out << "const std::uint8_t " << name << "[] = {";
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    out << (i % 16 == 0 ? "\n    " : " ") << static_cast<int>(bytes[i]) << ",";
  }
  out << "\n};\n";
  return out.str();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: preview-art-generator OUT.cpp\n");
    return 2;
  }
  using namespace blazemere::fire;
  const RgbImage frame = FireStill(kStillFrame, BuiltInRampPalette());
  std::ostringstream source;
  source << "// Generated by preview-art-generator; do not edit.\n"
         << "#include \"host/resources/preview/preview_pictures.h\"\n\n"
         << "namespace blazemere::resources {\n\nnamespace {\n"
         << ByteArray("kStill", EncodeJpeg(StretchToStill(frame))) << ByteArray("kGrid", EncodeJpeg(GridPanel()))
         << "}  // namespace\n\n"
         << "std::span<const std::uint8_t> PreviewStillJpeg() { return kStill; }\n"
         << "std::span<const std::uint8_t> PreviewGridJpeg() { return kGrid; }\n\n"
         << "}  // namespace blazemere::resources\n";
  std::ofstream out(argv[1], std::ios::binary);
  out << source.str();
  return out ? 0 : 1;
}
