// Device table and command dispatch of the MCI interpreter.
#include "platform/mci/mci_interpreter.h"

#include <algorithm>

namespace blazemere::platform::mci {

namespace {
bool IsFileType(const std::string& type) {
  const std::string lower = LowerAscii(type);
  return lower.empty() || lower == "mpegvideo" || lower == "waveaudio";
}
}  // namespace

MciError MciInterpreter::Execute(std::string_view commandString, std::string& reply) {
  reply.clear();
  const ParsedCommand parsed = ParseMciCommand(commandString);
  if (parsed.error != MciError::kNone) return parsed.error;
  if (parsed.command.verb == MciVerb::kOpen) return Open(parsed.command, reply);
  return ForEachNamed(parsed.command, reply);
}

unsigned MciInterpreter::FreeDeviceId() const {
  unsigned id = 1;
  while (std::any_of(devices_.begin(), devices_.end(), [id](const auto& entry) { return entry.second.id == id; })) ++id;
  return id;
}

MciError MciInterpreter::Open(const MciCommand& command, std::string& reply) {
  const bool cdAudio = LowerAscii(command.device) == "cdaudio" || LowerAscii(command.type) == "cdaudio";
  const std::string name = LowerAscii(command.alias.empty() ? command.device : command.alias);
  if (devices_.contains(name)) return command.alias.empty() ? MciError::kDeviceOpen : MciError::kDuplicateAlias;
  std::unique_ptr<MciDevice> device;
  MciError error = MciError::kNone;
  if (cdAudio) {
    // One drive, one stream into the mix: a second CD device would fight over both.
    const bool cdOpen = std::any_of(devices_.begin(), devices_.end(), [](const auto& entry) {
      return entry.second.device->IsCdAudio();
    });
    error = cdOpen ? MciError::kDeviceOpen : factory_.OpenCdAudio(device);
  } else if (IsFileType(command.type)) {
    error = factory_.OpenFile(command.device, device);
  } else {
    error = MciError::kInvalidDeviceName;
  }
  if (error != MciError::kNone) return error;
  const unsigned id = FreeDeviceId();
  devices_.emplace(name, OpenDevice{std::move(device), id});
  reply = std::to_string(id);
  return MciError::kNone;
}

// "all" names every open device, for stop and close.
MciError MciInterpreter::ForEachNamed(const MciCommand& command, std::string& reply) {
  const std::string name = LowerAscii(command.device);
  if (name == "all" && (command.verb == MciVerb::kStop || command.verb == MciVerb::kClose)) {
    for (auto& entry : devices_) Apply(command, *entry.second.device, reply);
    if (command.verb == MciVerb::kClose) devices_.clear();
    return MciError::kNone;
  }
  const auto found = devices_.find(name);
  if (found == devices_.end()) return MciError::kInvalidDeviceName;
  if (command.verb == MciVerb::kClose) {
    devices_.erase(found);
    return MciError::kNone;
  }
  return Apply(command, *found->second.device, reply);
}

MciError MciInterpreter::Apply(const MciCommand& command, MciDevice& device, std::string& reply) {
  switch (command.verb) {
    case MciVerb::kPlay: return device.Play(command);
    case MciVerb::kStop: return device.Stop();
    case MciVerb::kStatus: return device.Status(command, reply);
    case MciVerb::kSet: return device.SetTimeFormat(command.timeFormat);
    case MciVerb::kOpen:
    case MciVerb::kClose: break;
  }
  return MciError::kNone;
}

}  // namespace blazemere::platform::mci
