// LoadDibImage: the file side of the bitmap reader. Reads the whole file,
// hands its bytes to the decoder and shows the decoder's message (or the
// open failure) in a box titled "Error".
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <optional>
#include <vector>

#include "platform/ui/message_box.h"
#include "renderer/dib/dib_image_loader.h"

namespace blazemere::renderer {

namespace {

// A file this large cannot be a bitmap we would show; it is treated like a
// file whose view cannot be mapped.
constexpr off_t kMaxFileBytes = 256 * 1024 * 1024;

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

std::optional<std::vector<std::uint8_t>> ReadWholeFile(const char* path) {
  const FileDescriptor file(::open(path, O_RDONLY | O_CLOEXEC));
  if (file.get() < 0) return std::nullopt;
  struct stat info {};
  if (::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > kMaxFileBytes)
    return std::nullopt;
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(info.st_size));
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t got = ::read(file.get(), bytes.data() + done, bytes.size() - done);
    if (got < 0) return std::nullopt;
    if (got == 0) break;  // shrank while we read: keep what is there
    done += static_cast<std::size_t>(got);
  }
  bytes.resize(done);
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
  const auto bytes = ReadWholeFile(path);
  if (!bytes) {
    ShowError(OpenFailedMessage(path));
    return nullptr;
  }
  DibDecodeResult result = DecodeDib(*bytes);
  if (result.image == nullptr) ShowError(result.message);
  return result.image;
}

}  // namespace blazemere::renderer
