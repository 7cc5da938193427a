// The real multimedia layer of this machine: MCI command strings through the
// interpreter, PlaySound through the sound player, both on one SDL output.
#include <cstring>

#include "platform/mci/mci_error.h"
#include "platform/mci/mci_interpreter.h"
#include "platform/mci/multimedia_layer.h"
#include "platform/mci/sdl/audio_output.h"
#include "platform/mci/sdl/cd_audio_device.h"
#include "platform/mci/sdl/file_player_device.h"
#include "platform/mci/sdl/play_sound.h"

namespace blazemere::platform {

namespace {

std::string CutTo(std::string_view text, std::size_t size) {
  return size == 0 ? std::string() : std::string(text.substr(0, size - 1));
}

// The devices of this backend, all on the one output.
class SdlDevices final : public mci::MciDeviceFactory {
 public:
  explicit SdlDevices(mci::AudioOutput& output) : output_(output) {}
  mci::MciError OpenCdAudio(std::unique_ptr<mci::MciDevice>& device) override {
    return mci::CdAudioDevice::Open(output_, device);
  }
  mci::MciError OpenFile(const std::string& fileName, std::unique_ptr<mci::MciDevice>& device) override {
    return mci::FilePlayerDevice::Open(output_, fileName, device);
  }

 private:
  mci::AudioOutput& output_;
};

class SdlMultimediaLayer final : public MultimediaLayer {
 public:
  std::uint32_t SendCommandString(const std::string& command, std::string& reply, std::size_t replySize) override {
    std::string fullReply;
    // The platform call takes a C string: it ends at the first NUL.
    const mci::MciError error = interpreter_.Execute(std::string_view(command.c_str()), fullReply);
    reply = CutTo(fullReply, replySize);
    return mci::Code(error);
  }

  bool GetErrorString(std::uint32_t code, std::string& text, std::size_t textSize) override {
    const std::optional<std::string_view> known = mci::ErrorText(code);
    text.clear();
    if (!known || textSize == 0) return false;
    text = CutTo(*known, textSize);
    return true;
  }

  bool PlaySound(const char* file, std::uint32_t flags) override { return sounds_.PlaySound(file, flags); }

  int WaveOutDeviceCount() override { return output_.DeviceCount(); }

 private:
  // Declared first: every sound below is gone before the output closes.
  mci::AudioOutput output_;
  SdlDevices devices_{output_};
  mci::MciInterpreter interpreter_{devices_};
  mci::SoundPlayer sounds_{output_};
};

}  // namespace

std::unique_ptr<MultimediaLayer> CreateMultimediaLayer() { return std::make_unique<SdlMultimediaLayer>(); }

}  // namespace blazemere::platform
