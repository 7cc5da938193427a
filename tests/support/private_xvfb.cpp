// Private Xvfb with a framebuffer file: see private_xvfb.h.
#include "tests/support/private_xvfb.h"

#include <X11/Xlib.h>
#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <thread>
#include <unistd.h>
#include <vector>

namespace blazemere::testing {

namespace {

std::uint32_t BigEndian32(const std::string& bytes, std::size_t offset) {
  return (std::uint32_t{static_cast<unsigned char>(bytes[offset])} << 24) |
         (std::uint32_t{static_cast<unsigned char>(bytes[offset + 1])} << 16) |
         (std::uint32_t{static_cast<unsigned char>(bytes[offset + 2])} << 8) |
         std::uint32_t{static_cast<unsigned char>(bytes[offset + 3])};
}

bool CanConnect(const std::string& display) {
  Display* connection = XOpenDisplay(display.c_str());
  if (connection == nullptr) return false;
  XCloseDisplay(connection);
  return true;
}

}  // namespace

PrivateXvfb::PrivateXvfb(const std::string& size) {
  static int serial = 0;
  folder_ = MakeScratchFolder("xvfb-fb-" + std::to_string(++serial));
  for (int number = 200; number < 400; ++number) {
    const std::string socket = "/tmp/.X11-unix/X" + std::to_string(number);
    const std::string lock = "/tmp/.X" + std::to_string(number) + "-lock";
    if (access(socket.c_str(), F_OK) == 0 || access(lock.c_str(), F_OK) == 0) continue;
    const std::string display = ":" + std::to_string(number);
    server_ = std::make_unique<ChildProcess>(
        "Xvfb", std::vector<std::string>{display, "-noreset", "-nolisten", "tcp", "-retro", "-screen", "0",
                                         size + "x24", "-fbdir", folder_});
    for (int i = 0; i < 100 && server_->IsRunning(); ++i) {
      if (CanConnect(display)) {
        display_ = display;
        return;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    server_.reset();
  }
}

PrivateXvfb::~PrivateXvfb() { Stop(); }

void PrivateXvfb::Stop() {
  if (!server_) return;
  // A clean end removes the server's socket and lock file.
  kill(server_->pid(), SIGTERM);
  if (!server_->WaitForExit(std::chrono::seconds(5))) server_->Kill();
  server_.reset();
}

RgbImage PrivateXvfb::Framebuffer() const {
  RgbImage image;
  std::ifstream in(folder_ + "/Xvfb_screen0", std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (bytes.size() < 100) return image;
  // XWD header: 25 big-endian 32-bit fields.
  const std::uint32_t headerSize = BigEndian32(bytes, 0);
  const std::uint32_t width = BigEndian32(bytes, 16);
  const std::uint32_t height = BigEndian32(bytes, 20);
  const std::uint32_t byteOrder = BigEndian32(bytes, 28);  // 0 LSBFirst
  const std::uint32_t bitsPerPixel = BigEndian32(bytes, 44);
  const std::uint32_t bytesPerLine = BigEndian32(bytes, 48);
  const std::uint32_t colours = BigEndian32(bytes, 76);
  const std::size_t data = headerSize + std::size_t{colours} * 12;
  if (bitsPerPixel != 32 || data + std::size_t{bytesPerLine} * height > bytes.size()) return image;
  image.width = static_cast<int>(width);
  image.height = static_cast<int>(height);
  for (std::uint32_t y = 0; y < height; ++y) {
    for (std::uint32_t x = 0; x < width; ++x) {
      const auto* p = reinterpret_cast<const unsigned char*>(bytes.data() + data + y * bytesPerLine + x * 4);
      const std::uint32_t pixel = byteOrder == 0 ? (p[0] | p[1] << 8 | p[2] << 16 | std::uint32_t{p[3]} << 24)
                                                 : (std::uint32_t{p[0]} << 24 | p[1] << 16 | p[2] << 8 | p[3]);
      image.pixels.push_back(static_cast<std::uint8_t>(pixel >> 16));
      image.pixels.push_back(static_cast<std::uint8_t>(pixel >> 8));
      image.pixels.push_back(static_cast<std::uint8_t>(pixel));
    }
  }
  return image;
}

int PrivateXvfb::PointerPixels(int x, int y, int width, int height) const {
  const std::string previous = std::getenv("DISPLAY") != nullptr ? std::getenv("DISPLAY") : "";
  setenv("DISPLAY", display_.c_str(), 1);
  XSession session;
  if (previous.empty()) {
    unsetenv("DISPLAY");
  } else {
    setenv("DISPLAY", previous.c_str(), 1);
  }
  if (!session.ok()) return -1;
  // Reading the screen makes the server lift the pointer off it for a
  // moment; it is put back once the server is idle again, hence the pauses.
  int most = 0;
  for (int attempt = 0; attempt < 3; ++attempt) {
    const RgbImage before = session.Capture(x, y, width, height);
    std::this_thread::sleep_for(std::chrono::milliseconds(60));
    const RgbImage screen = Framebuffer();
    const RgbImage after = session.Capture(x, y, width, height);
    if (before.pixels.empty() || screen.pixels.empty()) return -1;
    int pointer = 0;
    for (int row = 0; row < height; ++row) {
      for (int column = 0; column < width; ++column) {
        const std::uint32_t shown = before.At(column, row);
        if (shown == after.At(column, row) && screen.At(x + column, y + row) != shown) ++pointer;
      }
    }
    most = std::max(most, pointer);
    std::this_thread::sleep_for(std::chrono::milliseconds(60));
  }
  return most;
}

}  // namespace blazemere::testing
