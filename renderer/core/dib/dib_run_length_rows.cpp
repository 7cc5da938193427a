// Run-length encoded pixel bits (RLE8 and RLE4): runs, literal stretches,
// end of line, end of bitmap and position jumps, as Windows defines them.
#include "renderer/core/dib/dib_pixel_decoders.h"

namespace blazemere::renderer {

namespace {

constexpr std::uint8_t kEscape = 0;
constexpr std::uint8_t kEndOfLine = 0;
constexpr std::uint8_t kEndOfBitmap = 1;
constexpr std::uint8_t kDelta = 2;

class RunLengthWriter {
 public:
  RunLengthWriter(const DibLayout& layout, DibTarget target) : layout_(layout), target_(target) {}

  // Pixels beyond the right edge are dropped, as the platform does; the
  // position still moves on.
  void Put(unsigned index) {
    if (x_ < target_.width) {
      const DibRgb& color = layout_.colors[index & 0xFFu];
      std::uint8_t* out = target_.pixels.data() + (y_ * target_.width + x_) * 3;
      out[0] = color.red;
      out[1] = color.green;
      out[2] = color.blue;
    }
    ++x_;
  }
  void NextLine() {
    x_ = 0;
    ++y_;
  }
  void Move(std::size_t dx, std::size_t dy) {
    x_ += dx;
    y_ += dy;
  }
  bool PastLastRow() const { return y_ >= target_.rows; }

 private:
  const DibLayout& layout_;
  DibTarget target_;
  std::size_t x_ = 0;
  std::size_t y_ = 0;
};

}  // namespace

// A stream must end with its end-of-bitmap mark or by running past the last
// row; one that stops short (a truncated file, a lying image size) is treated
// like cut-off uncompressed bits and converts nothing. Every command eats at
// least two bytes, so a hostile stream cannot keep the loop going.
bool DecodeRunLengthRows(const DibLayout& layout, DibTarget target) {
  const bool fourBit = layout.header.bitCount == 4;
  // The stream runs to the end of the file: the image size field is often 0
  // and its fixed-up value is the uncompressed size, no bound for a stream.
  const std::span<const std::uint8_t> stream = layout.bits;
  RunLengthWriter writer(layout, target);
  std::size_t at = 0;
  while (!writer.PastLastRow()) {
    if (stream.size() - at < 2) return false;
    const std::uint8_t count = stream[at];
    const std::uint8_t value = stream[at + 1];
    at += 2;
    if (count != kEscape) {
      for (unsigned i = 0; i < count; ++i) writer.Put(fourBit ? ((i % 2 == 0) ? value >> 4 : value & 0x0Fu) : value);
      continue;
    }
    if (value == kEndOfLine) {
      writer.NextLine();
    } else if (value == kEndOfBitmap) {
      return true;
    } else if (value == kDelta) {
      if (stream.size() - at < 2) return false;
      writer.Move(stream[at], stream[at + 1]);
      at += 2;
    } else {
      const std::size_t literalBytes = fourBit ? (value + 1u) / 2u : value;
      const std::size_t paddedBytes = (literalBytes + 1u) / 2u * 2u;
      if (stream.size() - at < paddedBytes) return false;
      for (unsigned i = 0; i < value; ++i) {
        const std::uint8_t byte = stream[at + (fourBit ? i / 2 : i)];
        writer.Put(fourBit ? ((i % 2 == 0) ? byte >> 4 : byte & 0x0Fu) : byte);
      }
      at += paddedBytes;
    }
  }
  return true;
}

}  // namespace blazemere::renderer
