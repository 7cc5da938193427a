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
// A band reads its old cells and writes its results once per block of W
// steps, each as one skewed W x W block (a transpose). One band is a chain
// of dependent additions, multiply-adds and conversions, so several bands
// ("slots") are kept in flight, their steps interleaved, each a few blocks
// behind the band below it, which is all the head start its row below
// needs. When the lowest band is done every slot moves down one and the last
// takes the next band.
//
// Lanes outside the written area (columns 0 and 127) carry the cell's own
// value instead of a result, so the lanes above and to the right see the
// cold edges exactly as stored; nothing is written there or past row 126.
//
// What a slot carries from step to step lives in plain arrays of vectors
// indexed only by constants, so that the compiler can keep it in registers;
// what it keeps for the block at hand (the results, the row below, the lane
// masks) lives in memory.
//
// This header is compiled once per instruction set; the `Lanes` policy of
// each such file supplies the vector types and operations:
//   kWidth; Doubles, Floats, Below;
//   ZeroDoubles(), ZeroBelow(),
//   LoadSkewed(const float* at, int rows, Floats out[W]): out[j] lane i =
//       at[128 min(i, rows - 1) - 2 i + j] (lane i is i rows on and 2 i
//       columns back; lanes past `rows` read the last row again);
//   StoreSkewed(float* firstRow, int column, unsigned rows, const Floats in[W]):
//       firstRow[128 i + column - 2 i + j] = in[j] lane i for the lanes in
//       `rows` and columns 1 .. 126;
//   LoadBelow(const float* row, int column) -> row[column + j], j < W (0 outside 0 .. 127);
//   ShiftIn(Doubles d, const Below& b, int j) -> {b[j], d[0], .., d[W-2]};
//   Add, SixthOfSum(a, b) -> (a + b) / 6, both operations rounded as the
//       plain loop rounds them; Widen (float -> double),
//   Narrow (double -> float),
//   WidenWhere(const unsigned char* lanes, Floats f, Doubles otherwise) ->
//       Widen(f) in the lanes in *lanes, `otherwise` elsewhere.
// Everything here is a template or local, so each instruction set keeps its
// own copy and no wider instruction leaks into code shared with other files.
#pragma once

#include <utility>

namespace blazemere::fire::kernels {

template <class Lanes, int kSlots>
void SpreadAlongDiagonals(float* cells) {
  using Doubles = typename Lanes::Doubles;
  using Floats = typename Lanes::Floats;
  constexpr int kSize = 128;
  constexpr int kLast = kSize - 2;  // the last row and column that are written
  constexpr int kWidth = Lanes::kWidth;
  constexpr int kBands = (kLast + kWidth - 1) / kWidth;
  // Lane 0 starts at column -1: the first two steps only pick up the left
  // edge and the start of the row below. The last lane ends past column 127.
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

  // The lanes whose cell is written at each step of a band.
  constexpr int kRowsInLastBand = kLast - (kBands - 1) * kWidth;
  struct LanesByStep {
    unsigned char written[kBandSteps];
  };
  static constexpr LanesByStep kLanes = [] {
    LanesByStep table{};
    for (int step = 0; step < kBandSteps; ++step) {
      for (int lane = 0; lane < kWidth; ++lane) {
        const int column = kFirstColumn + step - 2 * lane;
        if (column >= 1 && column <= kLast) table.written[step] |= static_cast<unsigned char>(1u << lane);
      }
    }
    return table;
  }();
  // Lanes outside the field read cells of the field that they do not need
  // (the next row's start, the last row's end), which never reach a
  // written cell: an unwritten lane's result is replaced by its own cell,
  // and only another unwritten lane reads it. In the last band the lanes
  // past row 126 read row 126 again, so that no read leaves the field.

  // What a slot keeps for the block at hand.
  struct Block {
    Floats olds[kWidth];     // the cells one column ahead, per step
    Floats results[kWidth];  // per step
    typename Lanes::Below below;  // lane 0's row below
    const unsigned char* written;
    int band;
    int block;  // within the band
  };

  const auto firstRow = [cells](const Block& block) { return cells + (1 + block.band * kWidth) * kSize; };

  const auto beginBlock = [&](Block& block) __attribute__((always_inline)) {
    const int step = block.block * kWidth;
    block.written = &kLanes.written[step];
    const int column = kFirstColumn + step;
    Lanes::LoadSkewed(firstRow(block) + column + 1, block.band == kBands - 1 ? kRowsInLastBand : kWidth, block.olds);
    block.below = Lanes::LoadBelow(firstRow(block) - kSize, column + 1);
  };

  const auto endBlock = [&](Block& block) __attribute__((always_inline)) {
    const unsigned rows = block.band == kBands - 1 ? (1u << kRowsInLastBand) - 1 : kAllLanes;
    Lanes::StoreSkewed(firstRow(block), kFirstColumn + block.block * kWidth, rows, block.results);
    ++block.block;
  };

  // The slots' state lives inside this function, so that nothing outside
  // it holds a pointer to the chains.
  [&]<int... k>(std::integer_sequence<int, k...>) {
    // What a slot carries from step to step.
    Doubles left[kSlots];    // this band's last results: the cells to the left
    Doubles below1[kSlots];  // the row below one step ago ...
    Doubles below2[kSlots];  // ... and two steps ago
    Doubles old[kSlots];     // the cells' own old values
    Block blocks[kSlots];

    ((left[k] = below1[k] = below2[k] = old[k] = Lanes::ZeroDoubles()), ...);
    ((blocks[k] = Block{}, blocks[k].below = Lanes::ZeroBelow(), blocks[k].band = k), ...);

    const auto step = [&]<int slot>(int j) __attribute__((always_inline)) {
      Block& block = blocks[slot];
      const Doubles below0 = Lanes::ShiftIn(left[slot], block.below, j);
      const Doubles right = Lanes::Widen(block.olds[j]);
      Doubles sum = Lanes::Add(below2[slot], below1[slot]);
      sum = Lanes::Add(sum, below0);
      sum = Lanes::Add(sum, left[slot]);
      sum = Lanes::Add(sum, old[slot]);
      const Floats result = Lanes::Narrow(Lanes::SixthOfSum(sum, right));
      block.results[j] = result;
      left[slot] = Lanes::WidenWhere(&block.written[j], result, old[slot]);
      below2[slot] = below1[slot];
      below1[slot] = below0;
      old[slot] = right;
    };

    const auto blockOf = [&]<int busy>() __attribute__((always_inline)) {
      ((k < busy ? beginBlock(blocks[k]) : void()), ...);
      for (int j = 0; j < kWidth; ++j) ((k < busy ? step.template operator()<k>(j) : void()), ...);
      ((k < busy ? endBlock(blocks[k]) : void()), ...);
    };

    // Slot i holds band `lowest + i`; band b runs from global block b * kPeriod
    // for kBlocksPerBand blocks, so the busy slots are always the first few.
    // A slot carries its chain over to the next band it takes: until a lane
    // reaches column 1 its results are replaced by the cells it has read, so
    // nothing stale reaches a written cell.
    int lowest = 0;
    for (int global = 0; global < kGlobalBlocks; ++global) {
      const int started = global / kPeriod + 1 - lowest;
      const int busy = started < kSlots ? started : kSlots;
      const int present = kBands - lowest < busy ? kBands - lowest : busy;
      ((present == k + 1 ? blockOf.template operator()<k + 1>() : void()), ...);
      if (blocks[0].block == kBlocksPerBand) {
        // The lowest band is done: every slot moves down one and the last
        // takes the next band. A block's buffers are filled afresh when it
        // begins, so only the band and block numbers move.
        const Doubles first[4] = {left[0], below1[0], below2[0], old[0]};
        ((k + 1 < kSlots ? (left[k] = left[k + 1], below1[k] = below1[k + 1], below2[k] = below2[k + 1],
                            old[k] = old[k + 1], blocks[k].band = blocks[k + 1].band,
                            blocks[k].block = blocks[k + 1].block, void())
                         : void()),
         ...);
        left[kSlots - 1] = first[0];
        below1[kSlots - 1] = first[1];
        below2[kSlots - 1] = first[2];
        old[kSlots - 1] = first[3];
        blocks[kSlots - 1].band = ++lowest + kSlots - 1;
        blocks[kSlots - 1].block = 0;
      }
    }
  }(std::make_integer_sequence<int, kSlots>());
}

}  // namespace blazemere::fire::kernels
