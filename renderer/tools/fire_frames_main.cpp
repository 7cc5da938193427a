// fire-frames N [PALETTE]: the fire texture made at the end of frame N as a
// binary PPM on standard output, upright as on screen (heat row 127 on top).
// Without PALETTE it uses the built-in ramp the host writes. For pictures of
// the fire and for tests; needs no display.
#include <charconv>
#include <cstdio>
#include <string>
#include <string_view>

#include "common/ppm.h"
#include "renderer/core/fire/fire_still.h"
#include "renderer/effect/palette_image_file.h"

namespace {

bool ParseFrameCount(std::string_view text, long& frames) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), frames);
  return error == std::errc() && end == text.data() + text.size() && frames >= 0;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace blazemere;
  long frames = 0;
  if (argc < 2 || argc > 3 || !ParseFrameCount(argv[1], frames)) {
    std::fprintf(stderr, "usage: fire-frames N [PALETTE]\n");
    return 2;
  }
  fire::FirePalette palette = fire::BuiltInRampPalette();
  if (argc == 3) {
    const renderer::PaletteImageHandle image(renderer::LoadDibImage(argv[2]));
    if (!image) return 1;  // the reader has said why
    palette = fire::FirePalette::FromImagePixels(image->data, image->width, image->height);
  }
  const std::string ppm = EncodePpm(fire::FireStill(frames, palette));
  const bool written = std::fwrite(ppm.data(), 1, ppm.size(), stdout) == ppm.size();
  return written && std::fflush(stdout) == 0 ? 0 : 1;
}
