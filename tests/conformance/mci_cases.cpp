// The MCI conformance sessions: first the host's own command strings in its
// order, then the device types, status items and errors around them.
#include "tests/conformance/mci_cases.h"

#include <charconv>
#include <chrono>
#include <thread>

namespace blazemere::testing {

namespace {

MciStep Exact(std::string command) { return {std::move(command)}; }
MciStep Position(std::string command) { return {std::move(command), ReplyCheck::kPosition}; }
MciStep About(std::string command, long value) { return {std::move(command), ReplyCheck::kAbout, value}; }
MciStep After(int sleepMs, MciStep step) {
  step.sleepMs = sleepMs;
  return step;
}

std::vector<MciSession> MakeSessions() {
  return {
      {"the host's MP3 commands",
       {Exact("open \"{mp3}\" type MPEGVideo Alias MP3Play"), Exact("status MP3Play mode"),
        About("status MP3Play length", 1500), Exact("play MP3Play"), Exact("status MP3Play mode"),
        After(400, Position("status MP3Play position")), After(4000, Exact("status MP3Play mode")),
        Position("status MP3Play position"), Exact("stop MP3Play"), Exact("play MP3Play from 0"),
        Exact("status MP3Play mode"), After(400, Exact("stop MP3Play")), Exact("status MP3Play mode"),
        Position("status MP3Play position"), Exact("close MP3Play"), Exact("close MP3Play"),
        Exact("status MP3Play mode")}},
      {"MP3 time formats and positions",
       {Exact("open \"{mp3}\" type MPEGVideo alias m"), Exact("set m time format milliseconds"),
        Exact("status m time format"), Exact("set m time format frames"), Exact("set m time format ms"),
        Exact("play m from 700"), After(400, Position("status m position")), Exact("play m from 9000"),
        Exact("play m from x"), Exact("play m to 500"), Exact("close m")}},
      {"WAV through waveaudio",
       {Exact("open \"{wav}\" type waveaudio alias w"), About("status w length", 1500),
        Exact("status w time format"), Exact("status w mode"), Position("status w position"), Exact("play w"),
        Exact("status w mode"), After(400, Position("status w position")), Exact("stop w"), Exact("status w mode"),
        Exact("play w from 0"), After(4000, Exact("status w mode")), Position("status w position"),
        Exact("play w from 5000"), Exact("set w time format frames"), Exact("STATUS W MODE"),
        Exact("status w ready"), Exact("close w"), Exact("close w"), Exact("status w mode")}},
      {"open forms",
       {Exact("open {wav} alias bare"), Exact("status bare mode"), Exact("open \"{spaced}\" type waveaudio alias spaced"),
        Exact("status spaced mode"), Exact("open \"{wav}\" alias bare"), Exact("open \"{wav}\" type nosuchtype alias t"),
        Exact("open \"{missing}\" type MPEGVideo alias gone"), Exact("open \"{wav}\" type waveaudio alias"),
        Exact("open \"{wav} type waveaudio alias q"), Exact("open \"{wav}\" type waveaudio alias x bogus"),
        Exact("open cdaudio"), Exact("close all")}},
      {"bad command strings",
       {Exact(""), Exact("   "), Exact("bogus w"), Exact("play"), Exact("status"), Exact("open \"{wav}\" alias e"),
        Exact("status e"), Exact("status e bogus"), Exact("play e from"), Exact("status nosuch mode"),
        Exact("play nosuch"), Exact("stop nosuch"), Exact("close nosuch"), Exact("close e")}},
  };
}

void Replace(std::string& text, std::string_view placeholder, const std::string& value) {
  for (std::size_t at = text.find(placeholder); at != std::string::npos; at = text.find(placeholder, at + value.size())) {
    text.replace(at, placeholder.size(), value);
  }
}

std::string CheckedReply(const MciStep& step, std::uint32_t code, const std::string& reply) {
  long value = 0;
  const auto [end, ec] = std::from_chars(reply.data(), reply.data() + reply.size(), value);
  const bool number = !reply.empty() && ec == std::errc() && end == reply.data() + reply.size();
  if (code != 0 || step.check == ReplyCheck::kExact || !number) return Quoted(reply);
  if (step.check == ReplyCheck::kPosition) return value == 0 ? "position 0" : "position above 0";
  const long off = value - step.about;
  return off >= -kAboutTolerance && off <= kAboutTolerance ? "about " + std::to_string(step.about) : Quoted(reply);
}

}  // namespace

const std::vector<MciSession>& MciSessions() {
  static const std::vector<MciSession> sessions = MakeSessions();
  return sessions;
}

Transcript RunMciSession(const MciSession& session, MciApi& api, const MciFiles& files) {
  Transcript lines;
  for (const MciStep& step : session.steps) {
    if (step.sleepMs > 0) std::this_thread::sleep_for(std::chrono::milliseconds(step.sleepMs));
    std::string command = step.command;
    Replace(command, "{wav}", files.wav);
    Replace(command, "{mp3}", files.mp3);
    Replace(command, "{spaced}", files.spaced);
    Replace(command, "{missing}", files.missing);
    std::string reply;
    const std::uint32_t code = api.Send(command, reply);
    const std::string pause = step.sleepMs > 0 ? "(after " + std::to_string(step.sleepMs) + " ms) " : "";
    lines.push_back(pause + Quoted(step.command) + " -> " + std::to_string(code) + " " + CheckedReply(step, code, reply));
  }
  std::string ignored;
  (void)api.Send("close all", ignored);  // the next session starts with nothing open
  return lines;
}

}  // namespace blazemere::testing
