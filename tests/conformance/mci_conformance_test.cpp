// Our MCI interpreter with its SDL devices (real audio through SDL's disk
// driver) against the record of Windows' mciSendString (under Wine) on the
// same command strings and files. Where we answer differently on purpose,
// the difference is listed here with its reason; any other difference, or a
// listed one that no longer holds, fails the session.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/mci/multimedia_layer.h"
#include "tests/conformance/mci_cases.h"

namespace blazemere::testing {
namespace {

class OurMci final : public MciApi {
 public:
  explicit OurMci(platform::MultimediaLayer& layer) : layer_(layer) {}
  std::uint32_t Send(const std::string& command, std::string& reply) override {
    return layer_.SendCommandString(command, reply, 512);
  }

 private:
  platform::MultimediaLayer& layer_;
};

constexpr std::string_view kAutoOpen =
    "Wine tries a name that is no open device as a file to open and fails for want of an extension (281); "
    "ours says the device is unknown (263)";
constexpr std::string_view kRewinds =
    "Wine's MPEGVideo rewinds on stop and at the end; ours keeps the position like a pause (the host always "
    "plays again \"from 0\")";
constexpr std::string_view kBothRefuse = "both refuse the command, with another code";

const std::vector<KnownDifference> kDifferences = {
    {"the host's MP3 commands", R"("status MP3Play position" -> 0 position 0)",
     R"("status MP3Play position" -> 0 position above 0)", kRewinds},
    {"the host's MP3 commands", R"("status MP3Play position" -> 0 position 0)",
     R"("status MP3Play position" -> 0 position above 0)", kRewinds},
    {"the host's MP3 commands", R"("status MP3Play mode" -> 281 "")", R"("status MP3Play mode" -> 263 "")", kAutoOpen},
    {"MP3 time formats and positions", R"("set m time format frames" -> 0 "")",
     R"("set m time format frames" -> 293 "")",
     "ours plays files in milliseconds only (the host never sets a file's time format)"},
    {"MP3 time formats and positions", R"("play m from 9000" -> 0 "")", R"("play m from 9000" -> 282 "")",
     "Wine's MPEGVideo does not check the range; its waveaudio does (282), as ours"},
    {"MP3 time formats and positions", R"("play m to 500" -> 0 "")", R"("play m to 500" -> 274 "")",
     "ours plays a file to its end only (the host never sends \"to\" for a file)"},
    {"WAV through waveaudio", R"("set w time format frames" -> 261 "")", R"("set w time format frames" -> 293 "")",
     kBothRefuse},
    {"WAV through waveaudio", R"("status w mode" -> 281 "")", R"("status w mode" -> 263 "")", kAutoOpen},
    {"open forms", R"("open \"{missing}\" type MPEGVideo alias gone" -> 277 "")",
     R"("open \"{missing}\" type MPEGVideo alias gone" -> 275 "")",
     "Wine's MPEGVideo calls a missing file an internal error (277); its waveaudio says 275, as ours"},
    {"open forms", R"("open \"{wav}\" type waveaudio alias" -> 0 "3")",
     R"("open \"{wav}\" type waveaudio alias" -> 273 "")",
     "Wine ignores \"alias\" without a name and opens the file under its path; ours refuses (273)"},
    {"open forms", R"("open \"{wav}\" type waveaudio alias x bogus" -> 261 "")",
     R"("open \"{wav}\" type waveaudio alias x bogus" -> 259 "")", kBothRefuse},
    {"bad command strings", R"("   " -> 261 "")", R"("   " -> 267 "")", kBothRefuse},
    {"bad command strings", R"("status e bogus" -> 261 "")", R"("status e bogus" -> 259 "")", kBothRefuse},
    {"bad command strings", R"("play e from" -> 270 "")", R"("play e from" -> 273 "")", kBothRefuse},
    {"bad command strings", R"("status nosuch mode" -> 281 "")", R"("status nosuch mode" -> 263 "")", kAutoOpen},
    {"bad command strings", R"("play nosuch" -> 281 "")", R"("play nosuch" -> 263 "")", kAutoOpen},
    {"bad command strings", R"("stop nosuch" -> 281 "")", R"("stop nosuch" -> 263 "")", kAutoOpen},
};

TEST(MciConformance, OurInterpreterAnswersAsWindowsDoes) {
  const char* music = std::getenv("BLAZEMERE_CONFORMANCE_MUSIC");
  ASSERT_NE(music, nullptr) << "run through tests/conformance/mci_conformance.sh";
  const std::optional<Record> record = ReadRecord(BLAZEMERE_MCI_RECORD);
  ASSERT_TRUE(record.has_value()) << BLAZEMERE_MCI_RECORD;
  setenv("SDL_AUDIODRIVER", "disk", 1);
  setenv("SDL_DISKAUDIOFILE", (std::string(music) + "/played.raw").c_str(), 1);
  const std::string folder = music;
  const MciFiles files{folder + "/tone.wav", folder + "/tone.mp3", folder + "/two words.wav",
                       folder + "/no such file.mp3"};
  const std::unique_ptr<platform::MultimediaLayer> layer = platform::CreateMultimediaLayer();
  OurMci ours(*layer);
  for (const MciSession& session : MciSessions()) {
    const Transcript transcript = RunMciSession(session, ours, files);
    EXPECT_EQ(CompareWithRecord(session.name, transcript, *record, kDifferences), "") << "session: " << session.name;
  }
}

}  // namespace
}  // namespace blazemere::testing
