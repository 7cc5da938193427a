// The file half of the bitmap reader: see palette_image_file.h. Reads the
// whole file, hands its bytes to the decoder and shows the decoder's message
// (or the open failure) in a box titled "Error".
#include "renderer/effect/palette_image_file.h"

#include <cstdio>
#include <optional>
#include <span>

#include "platform/files/files.h"
#include "platform/message_box/message_box.h"

namespace blazemere::renderer {

namespace {

// A file this large cannot be a bitmap we would show; it is treated like a
// file whose view cannot be mapped.
constexpr std::size_t kMaxFileBytes = 256 * 1024 * 1024;

// The reader maps the whole file. A named pipe, a device or a folder has no
// contents to map, and neither has an empty file: a mapping of nothing
// fails. Each of these is a file that cannot be opened.
std::optional<std::string> ReadMappableFile(const char* path) {
  std::optional<std::string> bytes = platform::ReadWholeFile(path, kMaxFileBytes);
  if (bytes && bytes->empty()) return std::nullopt;
  return bytes;
}

void ShowError(const std::string& text) {
  platform::ShowMessageBox("Error", text, platform::MessageBoxIcon::kNone);
}

std::string OpenFailedMessage(const char* path) {
  const int length = std::snprintf(nullptr, 0, kOpenFailedFormat, path);
  std::string text(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
  std::snprintf(text.data(), text.size() + 1, kOpenFailedFormat, path);
  return text;
}

}  // namespace

PaletteImage* LoadDibImage(const char* path) {
  if (path == nullptr) path = "";
  const std::optional<std::string> bytes = ReadMappableFile(path);
  if (!bytes) {
    ShowError(OpenFailedMessage(path));
    return nullptr;
  }
  DibDecodeResult result =
      DecodeDib(std::span(reinterpret_cast<const std::uint8_t*>(bytes->data()), bytes->size()));
  if (result.image == nullptr) ShowError(result.message);
  return result.image;
}

}  // namespace blazemere::renderer
