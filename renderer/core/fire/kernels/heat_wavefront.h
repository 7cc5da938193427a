// The heat spread computed many cells at a time with the same bits as the
// plain row-by-row loop.
//
// The spread is in place: cell (r, c) reads the new values of (r-1, c-1),
// (r-1, c), (r-1, c+1) and (r, c-1) and the old values of (r, c) and
// (r, c+1). Cells with equal c + 2r therefore never depend on each other, so
// a vector of W lanes holding rows r0 .. r0+W-1 at columns c, c-2, ..
// c-2(W-1) (a "band") can take one step to the right at a time. Its own
// previous result, shifted up one lane, is the row below for lanes 1 and up;
// lane 0 reads the row below from the field. Every cell is still the sum of
// the same six floats in the same order in double, divided by 6 and rounded
// once to float.
//
// A band reads each step's old cells as it needs them and writes its
// results back once per block of W steps, as one skewed W x W block (a
// transpose). One band is a chain of dependent additions and divisions, so
// several bands ("slots") are kept in flight, their steps interleaved, each
// a few blocks behind the band below it, which is all the head start its row
// below needs. A slot that has finished its band takes the band `kSlots`
// bands higher.
//
// Lanes outside the written area (columns 0 and 127, rows past 126) keep the
// cell's own value instead of a result, so the lanes above and to the right
// see the cold edges exactly as stored, and nothing is written there.
//
// This header is compiled once per instruction set; the `Lanes` policy of
// each such file supplies the vector types and operations:
//   kWidth; Doubles, Floats, Mask, Below;
//   ZeroDoubles(), ZeroFloats(), ZeroBelow(), MaskOf(unsigned lanes),
//   GatherOlds(const float* at, unsigned lanes) -> lane i = at[126 i] for the
//       lanes in `lanes`, else 0 (row i + 1 is 128 floats on, 2 columns back);
//   StoreSkewed(float* firstRow, int column, unsigned rows, const Floats in[W]):
//       firstRow[128 i + column - 2 i + j] = in[j] lane i for the lanes in
//       `rows` and columns 1 .. 126;
//   LoadBelow(const float* row, int column) -> row[column + j], j < W (0 outside 0 .. 127);
//   ShiftIn(Doubles d, Below b, int j) -> {b[j], d[0], .., d[W-2]};
//   Add, DivideBySix, Widen (float -> double), Narrow (double -> float),
//   Select(Mask, Floats yes, Floats no).
// Everything here is a template or local, so each instruction set keeps its
// own copy and no wider instruction leaks into code shared with other files.
#pragma once

#include <utility>

namespace blazemere::fire::kernels {

// What one slot carries from step to step, meant to stay in registers.
template <class Lanes>
struct WavefrontChain {
  typename Lanes::Doubles left;    // this band's last results: the cells to the left
  typename Lanes::Doubles below1;  // the row below one step ago ...
  typename Lanes::Doubles below2;  // ... and two steps ago
  typename Lanes::Doubles old;     // the cells' own old values
  typename Lanes::Floats oldFloat;
};

// What one slot keeps for the block at hand.
template <class Lanes>
struct WavefrontBlock {
  typename Lanes::Below below;                    // lane 0's row below for this block
  typename Lanes::Floats results[Lanes::kWidth];  // this block's results, per step
  const unsigned char* written;                   // the lanes written at each step of the block ...
  const unsigned char* readable;                  // ... and those whose next cell lies in the field
  const float* nextCells;                         // lane 0's cell one column ahead at the block's start
  int band;
  int block;  // within the band; < 0 before the band starts
};

template <class Lanes, int kSlots>
void SpreadAlongDiagonals(float* cells) {
  using Chain = WavefrontChain<Lanes>;
  using Block = WavefrontBlock<Lanes>;
  constexpr int kSize = 128;
  constexpr int kLast = kSize - 2;  // the last row and column that are written
  constexpr int kWidth = Lanes::kWidth;
  constexpr int kBands = (kLast + kWidth - 1) / kWidth;
  // Lane 0 starts at column -1: the first two steps only pick up the left
  // edge and the start of the row below. The last lane ends at column 126.
  constexpr int kFirstColumn = -1;
  constexpr int kBlocksPerBand = (kLast + 2 * (kWidth - 1) - kFirstColumn + 1 + kWidth - 1) / kWidth;
  constexpr int kBandSteps = kBlocksPerBand * kWidth;
  // At the start of its block m a band reads its row below up to column
  // W(m+1) - 1. The band below computes that column on its last lane
  // 2(W-1) steps after its lane 0 did, in its block m+2, and stores it at
  // the end of that block; since a block's loads all come before its stores,
  // that block must lie in an earlier round, so bands start at least three
  // blocks apart. A slot takes its next band no sooner than it has finished
  // the last.
  constexpr int kLagBlocks = 3;
  constexpr int kPeriod = (kBlocksPerBand + kSlots - 1) / kSlots > kLagBlocks
                              ? (kBlocksPerBand + kSlots - 1) / kSlots : kLagBlocks;  // in blocks
  constexpr int kGlobalBlocks = (kBands - 1) * kPeriod + kBlocksPerBand;
  constexpr unsigned kAllLanes = (1u << kWidth) - 1;
  static_assert(kWidth <= 8, "a step's lanes are kept in one byte");

  // The lanes whose cell is written, and those whose cell one column ahead
  // lies in the field, at each step of a band: for a band of W rows and for
  // the last band, which may hold fewer.
  constexpr int kRowsInLastBand = kLast - (kBands - 1) * kWidth;
  struct LanesByStep {
    unsigned char atStep[2][kBandSteps];
  };
  constexpr auto lanesWithin = [](int ahead, int first, int last) {
    LanesByStep table{};
    for (int step = 0; step < kBandSteps; ++step) {
      for (int lane = 0; lane < kWidth; ++lane) {
        const int column = kFirstColumn + step + ahead - 2 * lane;
        if (column < first || column > last) continue;
        table.atStep[0][step] |= static_cast<unsigned char>(1u << lane);
        if (lane < kRowsInLastBand) table.atStep[1][step] |= static_cast<unsigned char>(1u << lane);
      }
    }
    return table;
  };
  static constexpr LanesByStep kWritten = lanesWithin(0, 1, kLast);
  static constexpr LanesByStep kReadable = lanesWithin(1, 0, kSize - 1);

  const auto firstRow = [cells](const Block& block) { return cells + (1 + block.band * kWidth) * kSize; };

  const auto clear = [](Chain& chain) __attribute__((always_inline)) {
    chain.left = chain.below1 = chain.below2 = chain.old = Lanes::ZeroDoubles();
    chain.oldFloat = Lanes::ZeroFloats();
  };

  // Starts the block at hand for a busy slot: its lanes and lane 0's row
  // below.
  const auto beginBlock = [&](Block& block) __attribute__((always_inline)) {
    const int last = block.band == kBands - 1 ? 1 : 0;
    block.written = &kWritten.atStep[last][block.block * kWidth];
    block.readable = &kReadable.atStep[last][block.block * kWidth];
    const int column = kFirstColumn + block.block * kWidth;
    block.nextCells = firstRow(block) + column + 1;
    block.below = Lanes::LoadBelow(firstRow(block) - kSize, column + 1);
  };

  const auto step = [&](Chain& chain, Block& block, auto j) __attribute__((always_inline)) {
    const auto below0 = Lanes::ShiftIn(chain.left, block.below, j);
    const auto written = Lanes::MaskOf(block.written[j]);
    const auto rightFloat = Lanes::GatherOlds(block.nextCells + j, block.readable[j]);
    const auto right = Lanes::Widen(rightFloat);

    auto sum = Lanes::Add(chain.below2, chain.below1);
    sum = Lanes::Add(sum, below0);
    sum = Lanes::Add(sum, chain.left);
    sum = Lanes::Add(sum, chain.old);
    sum = Lanes::Add(sum, right);
    const auto result = Lanes::Select(written, Lanes::Narrow(Lanes::DivideBySix(sum)), chain.oldFloat);

    block.results[j] = result;
    chain.left = Lanes::Widen(result);
    chain.below2 = chain.below1;
    chain.below1 = below0;
    chain.old = right;
    chain.oldFloat = rightFloat;
  };

  const auto endBlock = [&](Block& block) __attribute__((always_inline)) {
    const unsigned rows = block.band == kBands - 1 ? (1u << kRowsInLastBand) - 1 : kAllLanes;
    Lanes::StoreSkewed(firstRow(block), kFirstColumn + block.block * kWidth, rows, block.results);
    ++block.block;
  };

  // Slot i holds band `lowest + i`; band b runs from global block b * kPeriod
  // for kBlocksPerBand blocks, so the busy slots are always the first few.
  // A slot carries its chain over to the next band it takes: until a lane
  // reaches column 1 its results are replaced by the cells it has read, so
  // nothing stale reaches a written cell.
  Chain chains[kSlots];
  Block blocks[kSlots];
  for (auto& chain : chains) clear(chain);
  for (int i = 0; i < kSlots; ++i) {
    blocks[i] = Block{};
    blocks[i].below = Lanes::ZeroBelow();
    blocks[i].band = i;
    blocks[i].block = 0;
  }
  int lowest = 0;
  [&]<int... k>(std::integer_sequence<int, k...>) {
    const auto blockOf = [&]<int busy>() __attribute__((always_inline)) {
      ((k < busy ? beginBlock(blocks[k]) : void()), ...);
      for (int j = 0; j < kWidth; ++j) ((k < busy ? step(chains[k], blocks[k], j) : void()), ...);
      ((k < busy ? endBlock(blocks[k]) : void()), ...);
    };
    for (int global = 0; global < kGlobalBlocks; ++global) {
      const int started = global / kPeriod + 1 - lowest;
      const int busy = started < kSlots ? started : kSlots;
      const int present = kBands - lowest < busy ? kBands - lowest : busy;
      ((present == k + 1 ? blockOf.template operator()<k + 1>() : void()), ...);
      if (blocks[0].block == kBlocksPerBand) {
        // The lowest band is done: every slot moves down one and the last
        // takes the next band.
        const Chain first = chains[0];
        ((k + 1 < kSlots ? (chains[k] = chains[k + 1], blocks[k] = blocks[k + 1], void()) : void()), ...);
        chains[kSlots - 1] = first;
        blocks[kSlots - 1].band = ++lowest + kSlots - 1;
        blocks[kSlots - 1].block = 0;
      }
    }
  }(std::make_integer_sequence<int, kSlots>());
}

}  // namespace blazemere::fire::kernels
