// program-icon-generator OUT.ico: the programs' icon file for Windows, from
// the host's window icon (the 32 x 32 flame of dialog_art), as a 32-bit
// image with its alpha and, for the few that still read it, the 1-bit mask
// of its transparent pixels. windres puts the file into both programs.
// Runs at build time only.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "host/resources/dialog/dialog_art.h"

namespace {

void Put16(std::string& out, unsigned value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>((value >> 8) & 0xFF);
}
void Put32(std::string& out, std::uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

// One image of an icon file: a BITMAPINFOHEADER whose height counts the
// colour rows and the mask rows, the BGRA rows bottom first, then the mask
// rows (1 = transparent), each padded to 4 bytes.
std::string IconImage(const blazemere::resources::RgbaPicture& picture) {
  const int width = picture.width, height = picture.height;
  const int maskStride = (width + 31) / 32 * 4;
  std::string image;
  Put32(image, 40);
  Put32(image, static_cast<std::uint32_t>(width));
  Put32(image, static_cast<std::uint32_t>(height * 2));
  Put16(image, 1);   // planes
  Put16(image, 32);  // bits per pixel
  Put32(image, 0);   // BI_RGB
  Put32(image, static_cast<std::uint32_t>((width * 4 + maskStride) * height));
  for (int i = 0; i < 4; ++i) Put32(image, 0);  // resolution, colours used and important
  for (int y = height - 1; y >= 0; --y) {
    for (int x = 0; x < width; ++x) {
      const std::uint8_t* rgba = picture.pixels + (static_cast<std::size_t>(y) * width + x) * 4;
      image += {static_cast<char>(rgba[2]), static_cast<char>(rgba[1]), static_cast<char>(rgba[0]),
                static_cast<char>(rgba[3])};
    }
  }
  for (int y = height - 1; y >= 0; --y) {
    std::string row(static_cast<std::size_t>(maskStride), '\0');
    for (int x = 0; x < width; ++x) {
      if (picture.pixels[(static_cast<std::size_t>(y) * width + x) * 4 + 3] == 0) {
        row[static_cast<std::size_t>(x / 8)] = static_cast<char>(row[static_cast<std::size_t>(x / 8)] | (0x80 >> (x % 8)));
      }
    }
    image += row;
  }
  return image;
}

// An icon file of one image: the directory, its one entry, the image.
std::string IconFile(const blazemere::resources::RgbaPicture& picture) {
  const std::string image = IconImage(picture);
  std::string file;
  Put16(file, 0);  // reserved
  Put16(file, 1);  // an icon, not a cursor
  Put16(file, 1);  // images
  file += static_cast<char>(picture.width);
  file += static_cast<char>(picture.height);
  file += '\0';    // not a palette image
  file += '\0';
  Put16(file, 1);  // planes
  Put16(file, 32);
  Put32(file, static_cast<std::uint32_t>(image.size()));
  Put32(file, 6 + 16);  // where the image starts
  return file + image;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: program-icon-generator OUT.ico\n");
    return 2;
  }
  const std::string bytes = IconFile(blazemere::resources::WindowIcon());
  std::ofstream out(argv[1], std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) {
    std::fprintf(stderr, "program-icon-generator: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
