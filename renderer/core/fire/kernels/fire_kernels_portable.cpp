// The fire's inner loops in plain C++, for every processor: the same
// diagonal schedule as the vector versions on small arrays of lanes, which
// the compiler maps onto whatever vector registers the target has (SSE2 on
// any x86-64).
#include <cstdint>
#include <cstring>

#include "renderer/core/fire/kernels/fire_kernel_entries.h"
#include "renderer/core/fire/kernels/heat_wavefront.h"

namespace blazemere::fire::kernels {

namespace {

constexpr int kSize = 128;

// Two rows at a time.
struct PortableLanes {
  static constexpr int kWidth = 2;
  struct Doubles {
    double v[kWidth];
  };
  struct Floats {
    float v[kWidth];
  };
  using Below = Doubles;

  static Doubles ZeroDoubles() { return Doubles{}; }
  static Below ZeroBelow() { return Below{}; }

  static void LoadSkewed(const float* at, int rows, Floats out[kWidth]) {
    for (int lane = 0; lane < kWidth; ++lane) {
      const float* row = at + kSize * (lane < rows ? lane : rows - 1) - 2 * lane;
      for (int j = 0; j < kWidth; ++j) out[j].v[lane] = row[j];
    }
  }
  static void StoreSkewed(float* firstRow, int column, unsigned rows, const Floats in[kWidth]) {
    for (int lane = 0; lane < kWidth; ++lane) {
      for (int j = 0; j < kWidth; ++j) {
        const int c = column - 2 * lane + j;
        if ((rows >> lane & 1u) != 0 && c >= 1 && c <= kSize - 2) firstRow[lane * kSize + c] = in[j].v[lane];
      }
    }
  }
  static Below LoadBelow(const float* row, int column) {
    Below below;
    for (int j = 0; j < kWidth; ++j) {
      const int c = column + j;
      below.v[j] = c >= 0 && c <= kSize - 1 ? row[c] : 0.0;
    }
    return below;
  }
  static Doubles ShiftIn(const Doubles& d, const Below& below, int j) {
    Doubles shifted;
    shifted.v[0] = below.v[j];
    for (int lane = 1; lane < kWidth; ++lane) shifted.v[lane] = d.v[lane - 1];
    return shifted;
  }
  static Doubles Add(const Doubles& a, const Doubles& b) {
    Doubles sum;
    for (int lane = 0; lane < kWidth; ++lane) sum.v[lane] = a.v[lane] + b.v[lane];
    return sum;
  }
  // Plain C++ has no fused multiply-add on every x86-64, so this one divides.
  static Doubles SixthOfSum(const Doubles& a, const Doubles& b) {
    Doubles quotient;
    for (int lane = 0; lane < kWidth; ++lane) quotient.v[lane] = (a.v[lane] + b.v[lane]) / 6.0;
    return quotient;
  }
  static Doubles Widen(const Floats& f) {
    Doubles wide;
    for (int lane = 0; lane < kWidth; ++lane) wide.v[lane] = f.v[lane];
    return wide;
  }
  static Floats Narrow(const Doubles& d) {
    Floats narrow;
    for (int lane = 0; lane < kWidth; ++lane) narrow.v[lane] = static_cast<float>(d.v[lane]);
    return narrow;
  }
  static Doubles WidenWhere(const unsigned char* lanes, const Floats& f, const Doubles& otherwise) {
    Doubles chosen;
    for (int lane = 0; lane < kWidth; ++lane) chosen.v[lane] = (*lanes >> lane & 1u) != 0 ? f.v[lane] : otherwise.v[lane];
    return chosen;
  }
};

// The palette entries of one row: int(h), held to 0 .. 255 (see
// PaletteEntryForHeat; a cell that is not a number counts as 0). Written as
// selects, which the compiler turns into vector code.
void PaletteEntries(const float* heat, std::int32_t entries[kSize]) {
  for (int c = 0; c < kSize; ++c) {
    float held = heat[c] >= 0.0f ? heat[c] : 0.0f;
    held = held <= 255.0f ? held : 255.0f;
    entries[c] = static_cast<std::int32_t>(held);
  }
}

}  // namespace

void SpreadHeatPortable(float* cells) { SpreadAlongDiagonals<PortableLanes, 8>(cells); }

void HeatToTexelsPortable(const float* cells, const std::uint8_t* paddedEntries, std::uint8_t* texels) {
  std::int32_t entries[kSize];
  for (int row = 0; row < kSize; ++row) {
    PaletteEntries(cells + row * kSize, entries);
    std::uint8_t* out = texels + row * kSize * 3;
    // Four bytes per texel, each overwriting the last one's padding; the
    // row's last texel takes only its three.
    for (int c = 0; c < kSize - 1; ++c) std::memcpy(out + 3 * c, paddedEntries + 4 * entries[c], 4);
    std::memcpy(out + 3 * (kSize - 1), paddedEntries + 4 * entries[kSize - 1], 3);
  }
}

}  // namespace blazemere::fire::kernels
