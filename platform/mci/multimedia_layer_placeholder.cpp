// PLACEHOLDER until the real multimedia layer is written: everything fails.
#include "platform/mci/multimedia_layer.h"

namespace blazemere::platform {

namespace {
class SilentLayer final : public MultimediaLayer {
 public:
  std::uint32_t SendCommandString(const std::string&, std::string& reply, std::size_t) override {
    reply.clear();
    return 1;
  }
  bool GetErrorString(std::uint32_t, std::string&, std::size_t) override { return false; }
  bool PlaySound(const char*, std::uint32_t) override { return false; }
  int WaveOutDeviceCount() override { return 0; }
};
}  // namespace

std::unique_ptr<MultimediaLayer> CreateMultimediaLayer() { return std::make_unique<SilentLayer>(); }

}  // namespace blazemere::platform
