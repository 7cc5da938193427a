// fire-frames N [PALETTE]: the fire texture made at the end of frame N as a
// binary PPM on standard output, upright as on screen (heat row 127 on top).
// Without PALETTE it uses the built-in ramp the host writes. For pictures of
// the fire and for tests; needs no display.
#include <charconv>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "common/ppm.h"
#include "platform/files/files.h"
#include "platform/process/program_arguments.h"
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
  const std::vector<std::string> arguments = platform::ProgramArguments(argc, argv);
  long frames = 0;
  if (arguments.empty() || arguments.size() > 2 || !ParseFrameCount(arguments[0], frames)) {
    std::fprintf(stderr, "usage: fire-frames N [PALETTE]\n");
    return 2;
  }
  if (!platform::MakeStandardOutputBinary()) {
    std::fprintf(stderr, "fire-frames: standard output cannot take binary data\n");
    return 1;
  }
  fire::FirePalette palette = fire::BuiltInRampPalette();
  if (arguments.size() == 2) {
    const renderer::PaletteImageHandle image(renderer::LoadDibImage(arguments[1].c_str()));
    if (!image) return 1;  // the reader has said why
    palette = fire::FirePalette::FromImagePixels(image->data, image->width, image->height);
  }
  const std::string ppm = EncodePpm(fire::FireStill(frames, palette));
  const bool written = std::fwrite(ppm.data(), 1, ppm.size(), stdout) == ppm.size();
  return written && std::fflush(stdout) == 0 ? 0 : 1;
}
