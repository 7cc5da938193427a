// Writes the flame icon as a desktop icon theme lays it out: one PNG per size
// in <folder>/<N>x<N>/apps/<name>.png and the scalable drawing in
// <folder>/scalable/apps/<name>.svg.
//
//   icon_files_generator <folder> <name> <size>...
#include <png.h>

#include <charconv>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>

#include "host/resources/icon/flame_icon.h"

namespace {

namespace fs = std::filesystem;

bool WritePng(const fs::path& path, const blazemere::resources::FlameIconPixels& icon) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(icon.size);
  image.height = static_cast<png_uint_32>(icon.size);
  image.format = PNG_FORMAT_RGBA;
  const bool written = png_image_write_to_file(&image, path.c_str(), 0, icon.rgba.data(), 0, nullptr) != 0;
  if (!written) std::cerr << "icon_files_generator: " << path.string() << ": " << image.message << "\n";
  png_image_free(&image);
  return written;
}

bool WriteText(const fs::path& path, const std::string& text) {
  std::ofstream file(path, std::ios::binary);
  file << text;
  file.close();
  if (!file) std::cerr << "icon_files_generator: cannot write " << path.string() << "\n";
  return static_cast<bool>(file);
}

// A folder for one size; false (told) when it cannot be made.
bool MakeFolder(const fs::path& folder) {
  std::error_code error;
  fs::create_directories(folder, error);
  if (error) std::cerr << "icon_files_generator: " << folder.string() << ": " << error.message() << "\n";
  return !error;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::cerr << "usage: icon_files_generator <folder> <name> <size>...\n";
    return 2;
  }
  const fs::path folder = argv[1];
  const std::string name = argv[2];
  for (int i = 3; i < argc; ++i) {
    const std::string_view text = argv[i];
    int size = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), size);
    if (error != std::errc() || end != text.data() + text.size() || size < 1 || size > 1024) {
      std::cerr << "icon_files_generator: not a size: " << text << "\n";
      return 2;
    }
    const fs::path sized = folder / (std::to_string(size) + "x" + std::to_string(size)) / "apps";
    if (!MakeFolder(sized) || !WritePng(sized / (name + ".png"), blazemere::resources::DrawFlameIcon(size))) return 1;
  }
  const fs::path scalable = folder / "scalable" / "apps";
  if (!MakeFolder(scalable) || !WriteText(scalable / (name + ".svg"), blazemere::resources::FlameIconSvg())) return 1;
  return 0;
}
