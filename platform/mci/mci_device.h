// One open MCI device (an audio CD or a music file under its alias) as the
// interpreter drives it. Closing a device is destroying it.
#pragma once

#include <string>

#include "platform/mci/mci_command_parser.h"
#include "platform/mci/mci_error.h"

namespace blazemere::platform::mci {

class MciDevice {
 public:
  virtual ~MciDevice() = default;
  virtual bool IsCdAudio() const = 0;
  virtual MciError Play(const MciCommand& command) = 0;
  virtual MciError Stop() = 0;
  virtual MciError Status(const MciCommand& command, std::string& reply) = 0;
  virtual MciError SetTimeFormat(TimeFormat format) = 0;
};

}  // namespace blazemere::platform::mci
