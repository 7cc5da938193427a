// The MCI conformance cases: sessions of command strings sent through
// mciSendString (Windows') or our interpreter, each told as a transcript of
// result codes and replies. Replies that depend on timing are told by their
// kind ("0", "more than 0", "about N") rather than their value.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tests/conformance/conformance_record.h"

namespace blazemere::testing {

// mciSendString with a 512-character reply buffer and no window.
class MciApi {
 public:
  virtual ~MciApi() = default;
  virtual std::uint32_t Send(const std::string& command, std::string& reply) = 0;
};

enum class ReplyCheck { kExact, kPosition, kAbout };

struct MciStep {
  std::string command;  // {wav}, {mp3}, {spaced} and {missing} stand for the files' paths
  ReplyCheck check = ReplyCheck::kExact;
  long about = 0;        // kAbout: the value, within kAboutTolerance
  int sleepMs = 0;       // a pause before the command
};

inline constexpr long kAboutTolerance = 150;

struct MciSession {
  std::string name;
  std::vector<MciStep> steps;
};

[[nodiscard]] const std::vector<MciSession>& MciSessions();

// The music files every session uses, made by tests/conformance/make-music.sh.
struct MciFiles {
  std::string wav;     // tone.wav: 1.5 s, 44.1 kHz stereo
  std::string mp3;     // tone.mp3: the same, 128 kbit/s
  std::string spaced;  // "two words.wav": a copy of tone.wav
  std::string missing;
};

// Runs the session and closes everything it left open.
[[nodiscard]] Transcript RunMciSession(const MciSession& session, MciApi& api, const MciFiles& files);

}  // namespace blazemere::testing
