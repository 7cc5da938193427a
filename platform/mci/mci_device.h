// One open MCI device (an audio CD or a music file under its alias) as the
// interpreter drives it. Closing a device is destroying it.
#pragma once

#include <memory>
#include <string>

#include "platform/mci/mci_command_parser.h"
#include "platform/mci/mci_error.h"

namespace blazemere::platform::mci {

// A device holds the backend's handles: it is never copied.
class MciDevice {
 public:
  MciDevice() = default;
  virtual ~MciDevice() = default;
  MciDevice(const MciDevice&) = delete;
  MciDevice& operator=(const MciDevice&) = delete;

  virtual bool IsCdAudio() const = 0;
  virtual MciError Play(const MciCommand& command) = 0;
  virtual MciError Stop() = 0;
  virtual MciError Status(const MciCommand& command, std::string& reply) = 0;
  virtual MciError SetTimeFormat(TimeFormat format) = 0;
};

// Opens the devices the interpreter is asked for; the audio backend makes
// them. Each returns kNone with the device, or the error.
class MciDeviceFactory {
 public:
  virtual ~MciDeviceFactory() = default;
  virtual MciError OpenCdAudio(std::unique_ptr<MciDevice>& device) = 0;
  virtual MciError OpenFile(const std::string& fileName, std::unique_ptr<MciDevice>& device) = 0;
};

}  // namespace blazemere::platform::mci
