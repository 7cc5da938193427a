// The fire's inner loops for x86-64 with AVX-512 (F, VL, BW, DQ and VBMI,
// as on Ice Lake and later). Compiled with those instructions enabled and
// called only after the processor has been asked; see fire_kernel_entries.h
// for why nothing but intrinsics and this folder's templates is used here.
#include <immintrin.h>

#include <cstdint>

#include "renderer/core/fire/kernels/fire_kernel_entries.h"
#include "renderer/core/fire/kernels/heat_wavefront.h"
#include "renderer/core/fire/kernels/sixth_by_products.h"

namespace blazemere::fire::kernels {

namespace {

constexpr int kSize = 128;

// An 8 x 8 block of floats held as row pairs {row 2p | row 2p+1} in four
// 512-bit registers becomes its transpose, held the same way, in two rounds
// of two-source permutes.
[[gnu::always_inline]] inline void TransposePairs(__m512 z[4]) {
  // Round 1: rows 0-3 (from z0, z1) or 4-7 (z2, z3) of columns 0-3 or 4-7,
  // element (column j, row i) at 4j + i.
  alignas(64) static constexpr std::int32_t kLeft[16] = {0, 8, 16, 24, 1, 9, 17, 25, 2, 10, 18, 26, 3, 11, 19, 27};
  alignas(64) static constexpr std::int32_t kRight[16] = {4, 12, 20, 28, 5, 13, 21, 29, 6, 14, 22, 30, 7, 15, 23, 31};
  // Round 2: two columns of all eight rows.
  alignas(64) static constexpr std::int32_t kLow[16] = {0, 1, 2, 3, 16, 17, 18, 19, 4, 5, 6, 7, 20, 21, 22, 23};
  alignas(64) static constexpr std::int32_t kHigh[16] = {8, 9, 10, 11, 24, 25, 26, 27, 12, 13, 14, 15, 28, 29, 30, 31};
  const __m512i left = _mm512_load_si512(kLeft), right = _mm512_load_si512(kRight);
  const __m512i low = _mm512_load_si512(kLow), high = _mm512_load_si512(kHigh);
  const __m512 a0 = _mm512_permutex2var_ps(z[0], left, z[1]), a1 = _mm512_permutex2var_ps(z[0], right, z[1]);
  const __m512 b0 = _mm512_permutex2var_ps(z[2], left, z[3]), b1 = _mm512_permutex2var_ps(z[2], right, z[3]);
  z[0] = _mm512_permutex2var_ps(a0, low, b0);
  z[1] = _mm512_permutex2var_ps(a0, high, b0);
  z[2] = _mm512_permutex2var_ps(a1, low, b1);
  z[3] = _mm512_permutex2var_ps(a1, high, b1);
}

// Which of the 8 cells from column c on lie within columns 0 .. 127
// (readable) or 1 .. 126 (writable), for c from -16 on.
struct ColumnMasks {
  static constexpr int kFirst = -16;
  unsigned char readable[kSize + 32];
  unsigned char writable[kSize + 32];
};
constexpr ColumnMasks kColumnMasks = [] {
  ColumnMasks masks{};
  for (int i = 0; i < kSize + 32; ++i) {
    unsigned readable = 0, writable = 0;
    for (int j = 0; j < 8; ++j) {
      const int column = ColumnMasks::kFirst + i + j;
      if (column >= 0 && column <= kSize - 1) readable |= 1u << j;
      if (column >= 1 && column <= kSize - 2) writable |= 1u << j;
    }
    masks.readable[i] = static_cast<unsigned char>(readable);
    masks.writable[i] = static_cast<unsigned char>(writable);
  }
  return masks;
}();

[[gnu::always_inline]] inline unsigned Readable(int column) { return kColumnMasks.readable[column - ColumnMasks::kFirst]; }
[[gnu::always_inline]] inline unsigned Writable(int column) { return kColumnMasks.writable[column - ColumnMasks::kFirst]; }

// (a + b) / 6 as the plain loop rounds it; see sixth_by_products.h.
[[gnu::always_inline]] inline __m512d SixthOfSum(__m512d a, __m512d b) {
  const __m512d scale = _mm512_set1_pd(kSumScale);
  const __m512d sum = _mm512_add_pd(a, b);
  const __m512d scaled = _mm512_fmadd_pd(a, scale, _mm512_mul_pd(b, scale));  // sum * kSumScale, exactly
  return _mm512_fmadd_pd(sum, _mm512_set1_pd(kSixth), scaled);
}

// Eight rows at a time: doubles in a 512-bit register, their floats in 256 bits.
struct Avx512Lanes {
  static constexpr int kWidth = 8;
  using Doubles = __m512d;
  using Floats = __m256;
  using Below = __m512d;

  static Doubles ZeroDoubles() { return _mm512_setzero_pd(); }
  static Below ZeroBelow() { return _mm512_setzero_pd(); }

  // A step's lane mask, loaded straight into a mask register: the compiler
  // would pass it through a general register, whose move to a mask register
  // takes the port the shuffles and conversions need.
  [[gnu::always_inline]] static __mmask8 MaskAt(const unsigned char* lanes) {
    __mmask8 mask;
    asm("kmovb %1, %0" : "=Yk"(mask) : "m"(*lanes));
    return mask;
  }
  // Eight row loads and one transpose, as StoreSkewed does the other way.
  [[gnu::always_inline]] static void LoadSkewed(const float* at, int rows, Floats out[kWidth]) {
    __m512 z[4];
#pragma GCC unroll 4
    for (int pair = 0; pair < 4; ++pair) {
      const int lower = 2 * pair, upper = lower + 1;
      const float* lowerRow = at + kSize * (lower < rows ? lower : rows - 1) - 2 * lower;
      const float* upperRow = at + kSize * (upper < rows ? upper : rows - 1) - 2 * upper;
      z[pair] = _mm512_insertf32x8(_mm512_castps256_ps512(_mm256_loadu_ps(lowerRow)), _mm256_loadu_ps(upperRow), 1);
    }
    TransposePairs(z);
#pragma GCC unroll 4
    for (int pair = 0; pair < 4; ++pair) _mm512_storeu_ps(&out[2 * pair], z[pair]);
  }
  // Rows are transposed in pairs, one 512-bit register per pair, but written
  // 8 floats per row: a wider store would reach the cells the next steps
  // read, and a load that overlaps a masked store waits for it to finish.
  [[gnu::always_inline]] static void StoreSkewed(float* firstRow, int column, unsigned rows, const Floats in[kWidth]) {
    __m512 z[4];
#pragma GCC unroll 4
    for (int pair = 0; pair < 4; ++pair)
      z[pair] = _mm512_insertf32x8(_mm512_castps256_ps512(in[2 * pair]), in[2 * pair + 1], 1);
    TransposePairs(z);
#pragma GCC unroll 4
    for (int pair = 0; pair < 4; ++pair) {
      const int lower = 2 * pair, upper = lower + 1;
      const int c0 = column - 2 * lower, c1 = column - 2 * upper;
      const unsigned m0 = (rows >> lower & 1u) != 0 ? Writable(c0) : 0u;
      const unsigned m1 = (rows >> upper & 1u) != 0 ? Writable(c1) : 0u;
      _mm256_mask_storeu_ps(firstRow + lower * kSize + c0, _cvtu32_mask8(m0), _mm512_castps512_ps256(z[pair]));
      _mm256_mask_storeu_ps(firstRow + upper * kSize + c1, _cvtu32_mask8(m1), _mm512_extractf32x8_ps(z[pair], 1));
    }
  }
  static Below LoadBelow(const float* row, int column) {
    return _mm512_cvtps_pd(_mm256_maskz_loadu_ps(_cvtu32_mask8(Readable(column)), row + column));
  }
  static Doubles ShiftIn(Doubles d, const Below& below, int j) {
    alignas(64) static constexpr std::int64_t kPick[kWidth][kWidth] = {
        {8, 0, 1, 2, 3, 4, 5, 6},  {9, 0, 1, 2, 3, 4, 5, 6},  {10, 0, 1, 2, 3, 4, 5, 6}, {11, 0, 1, 2, 3, 4, 5, 6},
        {12, 0, 1, 2, 3, 4, 5, 6}, {13, 0, 1, 2, 3, 4, 5, 6}, {14, 0, 1, 2, 3, 4, 5, 6}, {15, 0, 1, 2, 3, 4, 5, 6}};
    return _mm512_permutex2var_pd(d, _mm512_load_si512(kPick[j]), below);
  }
  static Doubles Add(Doubles a, Doubles b) { return _mm512_add_pd(a, b); }
  static Doubles SixthOfSum(Doubles a, Doubles b) { return kernels::SixthOfSum(a, b); }
  static Doubles Widen(Floats f) { return _mm512_cvtps_pd(f); }
  static Floats Narrow(Doubles d) { return _mm512_cvtpd_ps(d); }
  static Doubles WidenWhere(const unsigned char* lanes, Floats f, Doubles otherwise) {
    return _mm512_mask_cvtps_pd(otherwise, MaskAt(lanes), f);
  }
};

// The texels of 64 cells are built from three byte vectors R, G and B
// (one byte per cell) in which cell q * 16 + 4 * L + j of the 64 sits at
// byte 16 * L + 4 * q + j, the order that packing four vectors of 16 entries
// down to bytes leaves them in. Output byte o of the 192 is channel o % 3 of
// cell o / 3: for each 64-byte third, one permute picks the R and G bytes
// and a masked one the B bytes.
struct TexelPicks {
  std::uint8_t redGreen[3][64];
  std::uint8_t blue[3][64];
  std::uint64_t blueBytes[3];
};
constexpr TexelPicks kTexelPicks = [] {
  TexelPicks picks{};
  for (int third = 0; third < 3; ++third) {
    for (int p = 0; p < 64; ++p) {
      const int o = 64 * third + p, cell = o / 3, channel = o % 3;
      const int at = 16 * (cell % 16 / 4) + 4 * (cell / 16) + cell % 4;
      picks.redGreen[third][p] = static_cast<std::uint8_t>(channel == 1 ? 64 + at : at);
      picks.blue[third][p] = static_cast<std::uint8_t>(at);
      if (channel == 2) picks.blueBytes[third] |= std::uint64_t{1} << p;
    }
  }
  return picks;
}();

// One channel of the 256 palette entries, looked up for 64 entry numbers.
struct ChannelTable {
  __m512i quarters[4];
  __m512i Look(__m512i entries, __mmask64 upperHalf) const {
    const __m512i lower = _mm512_permutex2var_epi8(quarters[0], entries, quarters[1]);
    const __m512i upper = _mm512_permutex2var_epi8(quarters[2], entries, quarters[3]);
    return _mm512_mask_blend_epi8(upperHalf, lower, upper);
  }
};

// Channel `shift / 8` of the padded entries, 256 bytes.
ChannelTable Channel(const std::uint8_t* paddedEntries, int shift) {
  ChannelTable table;
  for (int quarter = 0; quarter < 4; ++quarter) {
    __m128i bytes[4];
    for (int part = 0; part < 4; ++part) {
      const __m512i words = _mm512_loadu_si512(paddedEntries + 4 * (64 * quarter + 16 * part));
      bytes[part] = _mm512_cvtepi32_epi8(_mm512_srli_epi32(words, shift));
    }
    const __m256i low = _mm256_inserti128_si256(_mm256_castsi128_si256(bytes[0]), bytes[1], 1);
    const __m256i high = _mm256_inserti128_si256(_mm256_castsi128_si256(bytes[2]), bytes[3], 1);
    table.quarters[quarter] = _mm512_inserti64x4(_mm512_castsi256_si512(low), high, 1);
  }
  return table;
}

// The palette entries of 16 cells as 32-bit integers: int(h), held to
// 0 .. 255 (see PaletteEntryForHeat for why that is the entry). min keeps
// 255 for +inf and passes a NaN on, which converts to INT_MIN, as does any
// cell below -2^31; the unsigned saturation of the packing below turns
// every negative number into 0.
[[gnu::always_inline]] inline __m512i Entries(const float* heat) {
  return _mm512_cvttps_epi32(_mm512_min_ps(_mm512_set1_ps(255.0f), _mm512_loadu_ps(heat)));
}

}  // namespace

void SpreadHeatAvx512(float* cells) { SpreadAlongDiagonals<Avx512Lanes, 6>(cells); }

void HeatToTexelsAvx512(const float* cells, const std::uint8_t* paddedEntries, std::uint8_t* texels) {
  const ChannelTable red = Channel(paddedEntries, 0), green = Channel(paddedEntries, 8),
                     blue = Channel(paddedEntries, 16);
  for (int i = 0; i < kSize * kSize; i += 64) {
    const __m512i entries = _mm512_packus_epi16(_mm512_packus_epi32(Entries(cells + i), Entries(cells + i + 16)),
                                                _mm512_packus_epi32(Entries(cells + i + 32), Entries(cells + i + 48)));
    const __mmask64 upperHalf = _mm512_movepi8_mask(entries);
    const __m512i r = red.Look(entries, upperHalf), g = green.Look(entries, upperHalf),
                  b = blue.Look(entries, upperHalf);
    for (int t = 0; t < 3; ++t) {
      const __m512i redGreen = _mm512_permutex2var_epi8(r, _mm512_loadu_si512(kTexelPicks.redGreen[t]), g);
      const __m512i texel = _mm512_mask_permutexvar_epi8(redGreen, kTexelPicks.blueBytes[t],
                                                         _mm512_loadu_si512(kTexelPicks.blue[t]), b);
      _mm512_storeu_si512(texels + 3 * i + 64 * t, texel);
    }
  }
}

}  // namespace blazemere::fire::kernels
