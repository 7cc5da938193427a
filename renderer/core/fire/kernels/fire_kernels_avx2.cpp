// The fire's inner loops for x86-64 with AVX2 (Haswell and later).
// Compiled with AVX2 enabled and called only after the processor has been
// asked; see fire_kernel_entries.h for why nothing but intrinsics and this
// folder's templates is used here.
#include <immintrin.h>

#include <cstdint>

#include "renderer/core/fire/kernels/fire_kernel_entries.h"
#include "renderer/core/fire/kernels/heat_wavefront.h"
#include "renderer/core/fire/kernels/sixth_by_products.h"

namespace blazemere::fire::kernels {

namespace {

constexpr int kSize = 128;

// Lane masks for 4-lane loads, stores and blends, by bit pattern.
alignas(16) constexpr std::int32_t kLaneMasks[16][4] = {
    {0, 0, 0, 0},   {-1, 0, 0, 0},   {0, -1, 0, 0},   {-1, -1, 0, 0},   {0, 0, -1, 0},   {-1, 0, -1, 0},
    {0, -1, -1, 0}, {-1, -1, -1, 0}, {0, 0, 0, -1},   {-1, 0, 0, -1},   {0, -1, 0, -1},  {-1, -1, 0, -1},
    {0, 0, -1, -1}, {-1, 0, -1, -1}, {0, -1, -1, -1}, {-1, -1, -1, -1}};

[[gnu::always_inline]] inline __m128i LaneMask(unsigned lanes) {
  return _mm_load_si128(reinterpret_cast<const __m128i*>(kLaneMasks[lanes & 15]));
}

// Of the 4 cells from `column` on, those within columns first .. last.
[[gnu::always_inline]] inline unsigned ColumnsWithin(int column, int first, int last) {
  unsigned lanes = 15;
  if (column < first) lanes &= 15u << (first - column < 4 ? first - column : 4);
  if (column + 3 > last) lanes &= 15u >> (column + 3 - last < 4 ? column + 3 - last : 4);
  return lanes & 15;
}

[[gnu::always_inline]] inline void Transpose4x4(__m128 m[4]) {
  const __m128 t0 = _mm_unpacklo_ps(m[0], m[1]), t1 = _mm_unpackhi_ps(m[0], m[1]);
  const __m128 t2 = _mm_unpacklo_ps(m[2], m[3]), t3 = _mm_unpackhi_ps(m[2], m[3]);
  m[0] = _mm_movelh_ps(t0, t2);
  m[1] = _mm_movehl_ps(t2, t0);
  m[2] = _mm_movelh_ps(t1, t3);
  m[3] = _mm_movehl_ps(t3, t1);
}

// Four rows at a time: doubles in a 256-bit register, their floats in 128 bits.
struct Avx2Lanes {
  static constexpr int kWidth = 4;
  using Doubles = __m256d;
  using Floats = __m128;
  struct Below {
    alignas(32) double values[4];
  };

  static Doubles ZeroDoubles() { return _mm256_setzero_pd(); }
  static Below ZeroBelow() { return Below{}; }

  // One gather per step, which here costs less than a 4 x 4 transpose. Lane
  // i reads row min(i, rows - 1), 2 i columns back; the last band holds 2
  // rows.
  [[gnu::always_inline]] static void LoadSkewed(const float* at, int rows, Floats out[kWidth]) {
    static_assert((kSize - 2) % kWidth == 2, "the last band holds 2 rows");
    const __m128i reach = rows == kWidth ? _mm_setr_epi32(0, kSize - 2, 2 * kSize - 4, 3 * kSize - 6)
                                         : _mm_setr_epi32(0, kSize - 2, kSize - 4, kSize - 6);
    for (int j = 0; j < kWidth; ++j) out[j] = _mm_i32gather_ps(at + j, reach, 4);
  }
  [[gnu::always_inline]] static void StoreSkewed(float* firstRow, int column, unsigned rows, const Floats in[kWidth]) {
    __m128 m[kWidth] = {in[0], in[1], in[2], in[3]};
    Transpose4x4(m);
    for (int lane = 0; lane < kWidth; ++lane) {
      const int c = column - 2 * lane;
      const unsigned within = ColumnsWithin(c, 1, kSize - 2);
      float* at = firstRow + lane * kSize + c;
      if ((rows >> lane & 1u) == 0 || within == 0) continue;
      if (within == 15) {
        _mm_storeu_ps(at, m[lane]);
      } else {
        _mm_maskstore_ps(at, LaneMask(within), m[lane]);
      }
    }
  }
  static Below LoadBelow(const float* row, int column) {
    const unsigned within = ColumnsWithin(column, 0, kSize - 1);
    const __m128 values = within == 15 ? _mm_loadu_ps(row + column) : _mm_maskload_ps(row + column, LaneMask(within));
    Below below;
    _mm256_store_pd(below.values, _mm256_cvtps_pd(values));
    return below;
  }
  static Doubles ShiftIn(Doubles d, const Below& below, int j) {
    return _mm256_blend_pd(_mm256_permute4x64_pd(d, 0x90), _mm256_broadcast_sd(&below.values[j]), 1);
  }
  static Doubles Add(Doubles a, Doubles b) { return _mm256_add_pd(a, b); }
  // (a + b) / 6 as the plain loop rounds it; see sixth_by_products.h.
  static Doubles SixthOfSum(Doubles a, Doubles b) {
    const __m256d scale = _mm256_set1_pd(kSumScale);
    const __m256d sum = _mm256_add_pd(a, b);
    const __m256d scaled = _mm256_fmadd_pd(a, scale, _mm256_mul_pd(b, scale));  // sum * kSumScale, exactly
    return _mm256_fmadd_pd(sum, _mm256_set1_pd(kSixth), scaled);
  }
  static Doubles Widen(Floats f) { return _mm256_cvtps_pd(f); }
  static Floats Narrow(Doubles d) { return _mm256_cvtpd_ps(d); }
  static Doubles WidenWhere(const unsigned char* lanes, Floats f, Doubles otherwise) {
    return _mm256_blendv_pd(otherwise, _mm256_cvtps_pd(f), _mm256_castsi256_pd(_mm256_cvtepi32_epi64(LaneMask(*lanes))));
  }
};

// Palette entries of eight cells: int(h), held to 0 .. 255 (see
// PaletteEntryForHeat); max also turns a cell that is not a number into 0.
[[gnu::always_inline]] inline __m256i PaletteEntries(const float* heat) {
  const __m256 held = _mm256_min_ps(_mm256_max_ps(_mm256_loadu_ps(heat), _mm256_setzero_ps()), _mm256_set1_ps(255.0f));
  return _mm256_cvttps_epi32(held);
}

// The R, G, B of eight padded entries, packed to 12 bytes in each 128-bit half.
[[gnu::always_inline]] inline __m256i PackedTexels(const std::uint8_t* paddedEntries, __m256i entries) {
  const __m256i padded = _mm256_i32gather_epi32(reinterpret_cast<const int*>(paddedEntries), entries, 4);
  const __m256i pack = _mm256_setr_epi8(0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1,  //
                                        0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1);
  return _mm256_shuffle_epi8(padded, pack);
}

}  // namespace

void SpreadHeatAvx2(float* cells) { SpreadAlongDiagonals<Avx2Lanes, 5>(cells); }

void HeatToTexelsAvx2(const float* cells, const std::uint8_t* paddedEntries, std::uint8_t* texels) {
  constexpr int kCells = kSize * kSize;
  // Each half is stored as 16 bytes of which 12 count; the next store covers
  // the rest. The last eight cells go through a buffer so that nothing is
  // written past the texture.
  for (int i = 0; i < kCells - 8; i += 8) {
    const __m256i packed = PackedTexels(paddedEntries, PaletteEntries(cells + i));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(texels + 3 * i), _mm256_castsi256_si128(packed));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(texels + 3 * i + 12), _mm256_extracti128_si256(packed, 1));
  }
  alignas(32) std::uint8_t last[32];
  const __m256i packed = PackedTexels(paddedEntries, PaletteEntries(cells + kCells - 8));
  _mm_store_si128(reinterpret_cast<__m128i*>(last), _mm256_castsi256_si128(packed));
  _mm_storeu_si128(reinterpret_cast<__m128i*>(last + 12), _mm256_extracti128_si256(packed, 1));
  for (int b = 0; b < 24; ++b) texels[3 * (kCells - 8) + b] = last[b];
}

}  // namespace blazemere::fire::kernels
