// Private Xvfb with a framebuffer file: see private_xvfb.h.
#include "tests/support/private_xvfb.h"

#include <algorithm>
#include <csignal>
#include <cstring>
#include <thread>
#include <vector>

#include "platform/files/files.h"

namespace blazemere::testing {

namespace {

std::uint32_t BigEndian32(const std::string& bytes, std::size_t offset) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) value = value << 8 | static_cast<unsigned char>(bytes[offset + i]);
  return value;
}

}  // namespace

PrivateXvfb::PrivateXvfb(const std::string& size) {
  static int serial = 0;
  folder_ = MakeScratchFolder("xvfb-fb-" + std::to_string(++serial));
  // The server picks a free display number itself and writes it to its
  // standard output once it accepts clients: two servers started at the
  // same moment can never end up on one display.
  server_ = std::make_unique<ChildProcess>(
      "Xvfb", std::vector<std::string>{"-displayfd", "1", "-noreset", "-nolisten", "tcp", "-retro", "-screen", "0",
                                       size + "x24", "-fbdir", folder_});
  for (int i = 0; i < 200 && server_->IsRunning(); ++i) {
    const std::string output = server_->StandardOutput();
    if (const std::size_t end = output.find('\n'); end != std::string::npos) {
      const std::string number = output.substr(0, end);
      if (!number.empty() && number.find_first_not_of("0123456789") == std::string::npos) display_ = ":" + number;
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(25));
  }
  if (display_.empty()) server_.reset();
}

PrivateXvfb::~PrivateXvfb() {
  // A clean end removes the server's socket and lock file.
  if (!server_) return;
  kill(server_->pid(), SIGTERM);
  if (!server_->WaitForExit(std::chrono::seconds(5))) server_->Kill();
}

RgbImage PrivateXvfb::Framebuffer() const {
  RgbImage image;
  const std::string bytes = platform::ReadWholeFile(folder_ + "/Xvfb_screen0").value_or("");
  if (bytes.size() < 100) return image;
  // XWD header: big-endian 32-bit fields; the pixels are in the server's
  // (this machine's) own byte order.
  const std::uint32_t height = BigEndian32(bytes, 20);
  const std::uint32_t bytesPerLine = BigEndian32(bytes, 48);
  const std::size_t data = BigEndian32(bytes, 0) + std::size_t{BigEndian32(bytes, 76)} * 12;
  if (BigEndian32(bytes, 44) != 32 || data + std::size_t{bytesPerLine} * height > bytes.size()) return image;
  image.width = static_cast<int>(BigEndian32(bytes, 16));
  image.height = static_cast<int>(height);
  for (std::uint32_t y = 0; y < height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      std::uint32_t pixel = 0;
      std::memcpy(&pixel, bytes.data() + data + y * bytesPerLine + static_cast<std::size_t>(x) * 4, 4);
      image.pixels.insert(image.pixels.end(), {static_cast<std::uint8_t>(pixel >> 16),
                                               static_cast<std::uint8_t>(pixel >> 8), static_cast<std::uint8_t>(pixel)});
    }
  }
  return image;
}

int PrivateXvfb::PointerPixels(int x, int y, int width, int height) const {
  XSession session;
  if (!session.ok()) return -1;
  // Reading the screen makes the server lift the pointer off it for a
  // moment; it is put back once the server is idle again, hence the pauses.
  int most = 0;
  for (int attempt = 0; attempt < 3; ++attempt) {
    const RgbImage first = session.Capture(x, y, width, height);
    std::this_thread::sleep_for(std::chrono::milliseconds(60));
    const RgbImage screen = Framebuffer();
    const RgbImage last = session.Capture(x, y, width, height);
    if (first.pixels.empty() || screen.pixels.empty()) return -1;
    int pointer = 0;
    for (int row = 0; row < height; ++row) {
      for (int column = 0; column < width; ++column) {
        const std::uint32_t shown = first.At(column, row);
        pointer += shown == last.At(column, row) && screen.At(x + column, y + row) != shown;
      }
    }
    most = std::max(most, pointer);
    std::this_thread::sleep_for(std::chrono::milliseconds(60));
  }
  return most;
}

}  // namespace blazemere::testing
