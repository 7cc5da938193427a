// Test sound files, disc images and the disk driver's output.
#include "tests/music/audio_fixtures.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>

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

std::string Msf(long sectors) {
  char text[64];
  std::snprintf(text, sizeof text, "%02ld:%02ld:%02ld", sectors / 75 / 60, sectors / 75 % 60, sectors % 75);
  return text;
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
  PutLe(out, 16, 4);
  PutLe(out, 1, 2);
  PutLe(out, 2, 2);
  PutLe(out, kRate, 4);
  PutLe(out, kRate * 4, 4);
  PutLe(out, 4, 2);
  PutLe(out, 16, 2);
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
    const DiscTrack& track = tracks[i];
    char number[24];
    std::snprintf(number, sizeof number, "%02zu", i + 1);
    cue << "  TRACK " << number << (track.audio.empty() ? " MODE1/2352\n" : " AUDIO\n");
    cue << "    INDEX 01 " << Msf(sector) << "\n";
    long bytes = track.audio.empty() ? static_cast<long>(track.dataSectors) * kSectorBytes
                                     : static_cast<long>(track.audio.size()) * 2;
    if (track.audio.empty()) {
      bin << std::string(static_cast<std::size_t>(bytes), '\x5a');
    } else {
      PutSamples(bin, track.audio);
    }
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

Samples ReadDiskAudio(const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  Samples samples(bytes.size() / 2);
  for (std::size_t i = 0; i < samples.size(); ++i) {
    samples[i] = static_cast<std::int16_t>(static_cast<std::uint8_t>(bytes[2 * i]) |
                                           (static_cast<std::uint8_t>(bytes[2 * i + 1]) << 8));
  }
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
