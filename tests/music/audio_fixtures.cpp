// Test sound files, disc images and the disk driver's output.
#include "tests/music/audio_fixtures.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <random>

#include "platform/files/files.h"
#include "tests/support/child_process.h"

namespace blazemere::testing {

namespace {
constexpr int kSectorBytes = 2352;

void PutLe(std::ofstream& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.put(static_cast<char>((value >> (8 * i)) & 0xff));
}

void PutSamples(std::ofstream& out, const Samples& samples) {
  for (std::int16_t s : samples) PutLe(out, static_cast<std::uint16_t>(s), 2);
}

}  // namespace

Samples Tone(double frequency, double seconds, int amplitude) {
  const int frames = static_cast<int>(seconds * kRate);
  Samples samples;
  for (int i = 0; i < frames; ++i) {
    const auto value = static_cast<std::int16_t>(amplitude * std::sin(2 * M_PI * frequency * i / kRate));
    samples.push_back(value);
    samples.push_back(value);
  }
  return samples;
}

Samples Noise(double seconds, unsigned seed) {
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> value(-8000, 8000);
  Samples samples(static_cast<std::size_t>(seconds * kRate) * 2);
  for (std::int16_t& s : samples) s = static_cast<std::int16_t>(value(random));
  return samples;
}

void WriteWav(const std::string& path, const Samples& samples) {
  std::ofstream out(path, std::ios::binary);
  const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
  out << "RIFF";
  PutLe(out, 36 + dataBytes, 4);
  out << "WAVEfmt ";
  // Chunk size, PCM, stereo, rate, bytes per second, frame size, bits.
  for (const auto& [value, bytes] : {std::pair{16u, 4}, {1u, 2}, {2u, 2}, {std::uint32_t{kRate}, 4},
                                    {std::uint32_t{kRate * 4}, 4}, {4u, 2}, {16u, 2}})
    PutLe(out, value, bytes);
  out << "data";
  PutLe(out, dataBytes, 4);
  PutSamples(out, samples);
}

bool WriteMp3(const std::string& path, const Samples& samples) {
  const std::string wav = path + ".source.wav";
  WriteWav(wav, samples);
  return RunCommand({"lame", "--quiet", "-b", "128", wav, path}) == 0;
}

std::string MakeDiscImage(const std::string& folder, const std::vector<DiscTrack>& tracks) {
  std::ofstream bin(folder + "/disc.bin", std::ios::binary);
  std::ofstream cue(folder + "/disc.cue");
  cue << "FILE \"disc.bin\" BINARY\n";
  long sector = 0;
  for (std::size_t i = 0; i < tracks.size(); ++i) {
    const bool data = tracks[i].audio.empty();
    char header[96];
    std::snprintf(header, sizeof header, "  TRACK %02zu %s\n    INDEX 01 %02ld:%02ld:%02ld\n", i + 1,
                  data ? "MODE1/2352" : "AUDIO", sector / 75 / 60, sector / 75 % 60, sector % 75);
    cue << header;
    const long bytes = data ? static_cast<long>(tracks[i].dataSectors) * kSectorBytes
                            : static_cast<long>(tracks[i].audio.size()) * 2;
    if (data) bin << std::string(static_cast<std::size_t>(bytes), '\x5a');
    else PutSamples(bin, tracks[i].audio);
    const long padded = (bytes + kSectorBytes - 1) / kSectorBytes * kSectorBytes;
    bin << std::string(static_cast<std::size_t>(padded - bytes), '\0');
    sector += padded / kSectorBytes;
  }
  return folder + "/disc.cue";
}

void UseDiskAudio(const std::string& file) {
  setenv("SDL_AUDIODRIVER", "disk", 1);
  setenv("SDL_DISKAUDIOFILE", file.c_str(), 1);
  unsetenv("SDL_DISKAUDIODELAY");  // the driver's own pacing is real time
}

// The driver writes the samples in the machine's own byte order.
Samples ReadDiskAudio(const std::string& file) {
  const std::string bytes = platform::ReadWholeFile(file).value_or("");
  Samples samples(bytes.size() / 2);
  std::memcpy(samples.data(), bytes.data(), samples.size() * 2);
  return samples;
}

std::vector<double> ToneTimeline(const Samples& samples, double windowSeconds) {
  const auto window = static_cast<std::size_t>(windowSeconds * kRate);
  std::vector<double> timeline;
  for (std::size_t start = 0; (start + window) * 2 <= samples.size(); start += window) {
    double energy = 0;
    int crossings = 0;
    for (std::size_t i = start; i < start + window; ++i) {
      const double left = samples[2 * i];
      energy += left * left;
      if (i > start && (samples[2 * i - 2] < 0) != (left < 0)) ++crossings;
    }
    const bool silent = std::sqrt(energy / static_cast<double>(window)) < 200;
    timeline.push_back(silent ? 0.0 : crossings / 2.0 / windowSeconds);
  }
  return timeline;
}

bool Near(double frequency, double expected) { return std::abs(frequency - expected) <= expected * 0.05; }

}  // namespace blazemere::testing
