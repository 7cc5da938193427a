// A multimedia layer that records every call and answers from a table, for
// checking the exact commands the music module sends.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/mci/multimedia_layer.h"

namespace blazemere::testing {

struct SentCommand {
  std::string command;
  std::size_t replySize = 0;
  bool operator==(const SentCommand&) const = default;
};

struct Answer {
  std::uint32_t code = 0;
  std::string reply;
};

class RecordingMultimediaLayer final : public platform::MultimediaLayer {
 public:
  std::vector<SentCommand> sent;
  std::vector<std::pair<std::string, std::uint32_t>> sounds;  // file ("<null>" for none), flags
  std::map<std::string, Answer> answers;  // by command; unknown commands succeed with no reply
  bool errorTextsAvailable = true;
  int deviceCount = 1;

  std::uint32_t SendCommandString(const std::string& command, std::string& reply, std::size_t replySize) override {
    sent.push_back({command, replySize});
    const auto found = answers.find(command);
    const Answer answer = found == answers.end() ? Answer{} : found->second;
    reply = replySize == 0 ? std::string() : answer.reply.substr(0, replySize - 1);
    return answer.code;
  }
  bool GetErrorString(std::uint32_t code, std::string& text, std::size_t textSize) override {
    text = errorTextsAvailable ? ("text of " + std::to_string(code)).substr(0, textSize - 1) : std::string();
    return errorTextsAvailable;
  }
  bool PlaySound(const char* file, std::uint32_t flags) override {
    sounds.emplace_back(file ? file : "<null>", flags);
    return true;
  }
  int WaveOutDeviceCount() override { return deviceCount; }
};

}  // namespace blazemere::testing
