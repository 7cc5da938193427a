// fire-frames N [PALETTE]: the fire texture made at the end of frame N as a
// binary PPM on standard output, upright as on screen (heat row 127 on top).
// Without PALETTE it uses the built-in ramp the host writes. For pictures of
// the fire and for tests; needs no display.
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "host/resources/palette/palette_ramp.h"
#include "renderer/dib/dib_image_loader.h"
#include "renderer/fire/fire_texture.h"

namespace {

using blazemere::renderer::PaletteImage;

struct ImageDeleter {
  void operator()(PaletteImage* image) const { blazemere::renderer::FreePaletteImage(image); }
};
using ImageHandle = std::unique_ptr<PaletteImage, ImageDeleter>;

bool ParseFrameCount(std::string_view text, long& frames) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), frames);
  return error == std::errc() && end == text.data() + text.size() && frames >= 0;
}

ImageHandle BuiltInRamp() {
  const std::vector<std::uint8_t> file = blazemere::host::PaletteRampBmpFile();
  blazemere::renderer::DibDecodeResult decoded = blazemere::renderer::DecodeDib(file);
  return ImageHandle(decoded.image);
}

bool WriteUprightPpm(std::span<const std::uint8_t, blazemere::fire::kTextureBytes> texture) {
  using blazemere::fire::kFieldSize;
  std::printf("P6\n%d %d\n255\n", kFieldSize, kFieldSize);
  const std::size_t rowBytes = std::size_t{kFieldSize} * 3;
  for (int row = kFieldSize - 1; row >= 0; --row) {
    if (std::fwrite(texture.data() + row * rowBytes, 1, rowBytes, stdout) != rowBytes) return false;
  }
  return std::fflush(stdout) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  long frames = 0;
  if (argc < 2 || argc > 3 || !ParseFrameCount(argv[1], frames)) {
    std::fprintf(stderr, "usage: fire-frames N [PALETTE]\n");
    return 2;
  }
  ImageHandle image(argc == 3 ? blazemere::renderer::LoadDibImage(argv[2]) : BuiltInRamp().release());
  if (!image) return 1;  // the reader has said why

  const auto palette = blazemere::fire::FirePalette::FromImagePixels(image->data, image->width, image->height);
  auto heat = std::make_unique<blazemere::fire::HeatField>();
  blazemere::fire::CrtRandom random;
  std::vector<std::uint8_t> texture(blazemere::fire::kTextureBytes);
  const std::span<std::uint8_t, blazemere::fire::kTextureBytes> texels(texture.data(), texture.size());
  for (long frame = 0; frame < frames; ++frame) blazemere::fire::StepHeatField(*heat, random);
  blazemere::fire::ConvertHeatToTexture(*heat, palette, texels);
  return WriteUprightPpm(texels) ? 0 : 1;
}
