#include "bitmap/DibChecks.h"

#include <algorithm>

namespace bmp {

namespace {

// Where the next pixel goes: column x of row y, rows counted from the bottom.
// It stays inside the picture or at a row's right end; only the end of the
// last line takes it past the last row, where nothing more may be drawn.
class Pen {
 public:
  Pen(int width, int height) : width_(width), height_(height) {}

  bool Draw(int pixels) {
    if (y_ >= height_ || pixels > width_ - x_) return false;
    x_ += pixels;
    return true;
  }
  bool EndLine() {
    if (y_ >= height_) return false;
    x_ = 0;
    ++y_;
    return true;
  }
  bool Move(int dx, int dy) {
    x_ += dx;
    y_ += dy;
    return y_ < height_ && x_ <= width_;
  }
  bool AllRowsEnded() const { return y_ >= height_; }

 private:
  int width_, height_;
  int x_ = 0, y_ = 0;
};

}  // namespace

RleCheck CheckRleStream(std::span<const std::uint8_t> data, int bitsPerPixel, int width, int height) {
  Pen pen(width, height);
  std::size_t p = 0;
  while (p + 2 <= data.size()) {
    const std::uint8_t count = data[p], op = data[p + 1];
    p += 2;
    if (count != 0) {  // a run of one value (RLE4: of two alternating values)
      if (!pen.Draw(count)) return {};
    } else if (op == 0) {
      if (!pen.EndLine()) return {};
    } else if (op == 1) {
      return {p, false};
    } else if (op == 2) {
      if (p + 2 > data.size() || !pen.Move(data[p], data[p + 1])) return {};
      p += 2;
    } else {  // a literal run of `op` pixels, padded to 16 bits
      std::size_t bytes = bitsPerPixel == 8 ? op : (op + 1u) / 2;
      bytes = (bytes + 1) & ~std::size_t{1};
      if (p + bytes > data.size() || !pen.Draw(op)) return {};
      p += bytes;
    }
  }
  // Without its end mark a stream is whole only when every row has ended; one
  // is appended then, so that the platform stops where the check stopped.
  if (pen.AllRowsEnded() && p == data.size()) return {p, true};
  return {};
}

std::vector<std::uint8_t> FullColourTable(std::span<const std::uint8_t> stored, std::size_t entrySize,
                                          int bitsPerPixel) {
  std::vector<std::uint8_t> table(std::size_t{4} << bitsPerPixel, 0);
  const std::size_t entries = std::min(stored.size() / entrySize, std::size_t{1} << bitsPerPixel);
  for (std::size_t i = 0; i < entries; ++i) {
    for (std::size_t c = 0; c < 3; ++c) table[4 * i + c] = stored[entrySize * i + c];
  }
  return table;
}

}  // namespace bmp
