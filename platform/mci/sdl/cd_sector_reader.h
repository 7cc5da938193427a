// Digital reads of CD audio sectors: through cdio-paranoia on a real drive
// (error correction, jitter), plainly from a disc image.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace blazemere::platform::mci {

inline constexpr int kSectorBytes = 2352;
inline constexpr int kSectorSamples = kSectorBytes / 2;  // 588 stereo frames

// A reader holds libcdio's handles and frees them once: it is never copied.
class CdSectorReader {
 public:
  CdSectorReader() = default;
  virtual ~CdSectorReader() = default;
  CdSectorReader(const CdSectorReader&) = delete;
  CdSectorReader& operator=(const CdSectorReader&) = delete;

  // `count` sectors from `lsn` into `samples` (native 16-bit, interleaved
  // stereo); false when they cannot be read.
  virtual bool Read(std::int32_t lsn, int count, std::int16_t* samples) = 0;
};

// Nothing when the source cannot be opened. Runs on the feeder thread, which
// the stream leaves behind when it hangs, and only on a source whose table of
// contents was read, so the source is not checked again here.
std::unique_ptr<CdSectorReader> OpenCdSectorReader(const std::string& source);

}  // namespace blazemere::platform::mci
