// Carries out MCI command strings: keeps the open devices by name (alias,
// file name or "cdaudio") and hands each parsed command to its device.
// "open" replies with the device's number, the lowest one not in use, as
// Windows numbers its open devices from 1.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "platform/mci/mci_device.h"

namespace blazemere::platform::mci {

class MciInterpreter {
 public:
  explicit MciInterpreter(MciDeviceFactory& devices) : factory_(devices) {}

  // kNone with the reply (possibly empty), or the error.
  MciError Execute(std::string_view commandString, std::string& reply);

 private:
  struct OpenDevice {
    std::unique_ptr<MciDevice> device;
    unsigned id = 0;
  };

  MciError Open(const MciCommand& command, std::string& reply);
  unsigned FreeDeviceId() const;
  MciError ForEachNamed(const MciCommand& command, std::string& reply);
  MciError Apply(const MciCommand& command, MciDevice& device, std::string& reply);

  MciDeviceFactory& factory_;
  std::map<std::string, OpenDevice> devices_;  // by lower-case name
};

}  // namespace blazemere::platform::mci
