// The C library's random generator as the fire was first tuned with: the
// fire must run through the same sequence at every start on every system,
// and glibc's rand() generates differently, so we carry our own.
#pragma once

#include <cstdint>

namespace blazemere::fire {

class CrtRandom {
 public:
  // A value 0 to 32767; the first call after construction returns 41.
  int Next() {
    state_ = state_ * 214013u + 2531011u;
    return static_cast<int>((state_ >> 16) & 0x7FFFu);
  }

 private:
  std::uint32_t state_ = 1;  // never reseeded
};

}  // namespace blazemere::fire
