// What the real-audio music tests need: tones, WAV/MP3 files and CD images
// made at test time, and a reading of what SDL's disk driver wrote.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace blazemere::testing {

inline constexpr int kRate = 44100;  // the layer's output: 16-bit stereo at CD rate

using Samples = std::vector<std::int16_t>;  // interleaved stereo

Samples Tone(double frequency, double seconds, int amplitude = 8000);
Samples Noise(double seconds, unsigned seed);  // not periodic: a loop seam shows
void WriteWav(const std::string& path, const Samples& samples);
// Encodes with lame; false when lame fails.
bool WriteMp3(const std::string& path, const Samples& samples);

// A .bin/.cue image; a track with no samples is a data track of `dataSectors`.
struct DiscTrack {
  Samples audio;
  int dataSectors = 0;
};
std::string MakeDiscImage(const std::string& folder, const std::vector<DiscTrack>& tracks);

// Routes the layer's sound to `file` through SDL's disk driver (real-time
// pacing). Call before the layer opens its output.
void UseDiskAudio(const std::string& file);
Samples ReadDiskAudio(const std::string& file);

// The tone in each `windowSeconds` slice: its frequency by zero crossings
// of the left channel, or 0 for silence.
std::vector<double> ToneTimeline(const Samples& samples, double windowSeconds);
bool Near(double frequency, double expected);  // within 5 %

}  // namespace blazemere::testing
