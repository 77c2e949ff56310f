// Feeds arbitrary bytes to the bitmap file parser. What it accepts must be a
// picture the platform can draw without reading past the data: a header of
// its own with a colour for every index, pixels that fill every row, or a
// run-length stream that stays inside the picture and ends with its mark. The
// check from a file's head alone must come to the same verdict.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>

#include "bitmap/BitmapFile.h"
#include "bitmap/BitmapTexts.h"
#include "bitmap/DibChecks.h"

namespace {

std::uint32_t U32(const std::vector<std::uint8_t>& b, size_t at) {
  return static_cast<std::uint32_t>(b[at]) | (static_cast<std::uint32_t>(b[at + 1]) << 8) |
         (static_cast<std::uint32_t>(b[at + 2]) << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

void Require(bool holds) {
  if (!holds) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  bmp::DibData dib;
  const std::string verdict = bmp::ParseBitmapFile(std::span(data, size), dib);
  // Judged from its head alone, a file without a run-length stream gets the same verdict.
  const bmp::HeadCheck head = bmp::CheckBitmapHead(std::span(data, std::min(size, bmp::kBitmapHeadBytes)), size);
  Require(head.needsPixels ? verdict.empty() || verdict == bmp::text::kBadRle
                           : head.refusal == verdict && (!verdict.empty() || (head.width == dib.width && head.height == dib.height)));
  if (!verdict.empty()) return 0;
  Require(dib.width > 0 && dib.height > 0 && dib.width <= bmp::kMaxPictureSide && dib.height <= bmp::kMaxPictureSide);
  Require(dib.info.size() >= 40 && U32(dib.info, 0) == 40);
  const int bits = dib.info[14] | dib.info[15] << 8;
  const std::uint32_t compression = U32(dib.info, 16);
  const size_t masks = compression == 3 ? 12 : 0;
  const size_t colours = bits <= 8 ? size_t{4} << bits : 0;
  Require(dib.info.size() == 40 + masks + colours);
  if (compression == 1 || compression == 2) {
    // The stream the platform gets must pass the same check again, end mark included.
    const bmp::RleCheck again = bmp::CheckRleStream(dib.Bits(), bits, dib.width, dib.height);
    Require(again.length == dib.Bits().size() && !again.needsEndMark);
  } else {
    const std::uint64_t stride = ((static_cast<std::uint64_t>(dib.width) * bits + 31) / 32) * 4;
    Require(dib.Bits().size() == stride * static_cast<std::uint64_t>(dib.height));
  }
  return 0;
}
