#include "bitmap/BitmapFile.h"

#include "bitmap/BitmapTexts.h"
#include "bitmap/DibChecks.h"

namespace bmp {

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kCoreHeaderSize = 12;
constexpr size_t kInfoHeaderSize = 40;

std::uint16_t U16(std::span<const std::uint8_t> b, size_t at) {
  return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}
std::uint32_t U32(std::span<const std::uint8_t> b, size_t at) {
  return static_cast<std::uint32_t>(b[at]) | (static_cast<std::uint32_t>(b[at + 1]) << 8) |
         (static_cast<std::uint32_t>(b[at + 2]) << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}
void Put16(std::vector<std::uint8_t>& v, std::uint16_t x) {
  v.push_back(static_cast<std::uint8_t>(x));
  v.push_back(static_cast<std::uint8_t>(x >> 8));
}
void Put32(std::vector<std::uint8_t>& v, std::uint32_t x) {
  for (int i = 0; i < 4; ++i) v.push_back(static_cast<std::uint8_t>(x >> (8 * i)));
}

// The compression field's values.
constexpr std::uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3;

using namespace text;

}  // namespace

namespace {

// `file` holds the first bytes of a file of `fileSize` bytes: all of them when
// `out` is given, else at least min(fileSize, kBitmapHeadBytes), and then a
// run-length stream is left unchecked (`seen.needsPixels` says so).
std::string Parse(std::span<const std::uint8_t> file, std::uint64_t fileSize, DibData* out, HeadCheck& seen) {
  if (fileSize < 2 || file[0] != 'B' || file[1] != 'M') return kNotBitmap;
  if (fileSize < kFileHeaderSize + 4) return kTruncated;
  const std::uint32_t pixelOffset = U32(file, 10);
  const std::uint32_t headerSize = U32(file, 14);
  const bool core = headerSize == kCoreHeaderSize;
  if (!core && headerSize != 40 && headerSize != 52 && headerSize != 56 && headerSize != 108 && headerSize != 124) {
    return kUnsupported;
  }
  if (fileSize < kFileHeaderSize + headerSize) return kTruncated;

  std::int64_t width, height;
  int bitsPerPixel;
  std::uint32_t compression = kRgb, sizeImage = 0, colorsUsed = 0;
  if (core) {
    width = U16(file, 18);
    height = U16(file, 20);
    bitsPerPixel = U16(file, 24);
    if (bitsPerPixel != 1 && bitsPerPixel != 4 && bitsPerPixel != 8 && bitsPerPixel != 24) return kUnsupported;
  } else {
    width = static_cast<std::int32_t>(U32(file, 18));
    height = static_cast<std::int32_t>(U32(file, 22));
    bitsPerPixel = U16(file, 28);
    compression = U32(file, 30);
    sizeImage = U32(file, 34);
    colorsUsed = U32(file, 46);
    if (bitsPerPixel != 1 && bitsPerPixel != 4 && bitsPerPixel != 8 && bitsPerPixel != 16 && bitsPerPixel != 24 &&
        bitsPerPixel != 32) {
      return kUnsupported;
    }
  }
  const bool topDown = height < 0;
  const std::int64_t rows = topDown ? -height : height;
  if (width <= 0 || rows <= 0) return kUnsupported;
  if (width > kMaxPictureSide || rows > kMaxPictureSide || width * rows > kMaxPicturePixels) return kTooLarge;

  const bool rle = compression == kRle8 || compression == kRle4;
  seen.needsPixels = rle;
  seen.width = static_cast<int>(width);
  seen.height = static_cast<int>(rows);
  if (compression == kRle8 && bitsPerPixel != 8) return kUnsupported;
  if (compression == kRle4 && bitsPerPixel != 4) return kUnsupported;
  if (rle && topDown) return kUnsupported;
  if (compression == kBitFields && bitsPerPixel != 16 && bitsPerPixel != 32) return kUnsupported;
  if (compression != kRgb && !rle && compression != kBitFields) return kUnsupported;

  // Bit-field masks sit right after the 40-byte part of every header, inside
  // the longer headers and after the 40-byte one; the colours come next.
  size_t tableAt = kFileHeaderSize + headerSize;
  if (compression == kBitFields) {
    if (fileSize < kFileHeaderSize + kInfoHeaderSize + 12) return kTruncated;
    // A channel without bits has no colour the platform would draw: it refuses the picture.
    for (size_t at = kFileHeaderSize + kInfoHeaderSize; at < kFileHeaderSize + kInfoHeaderSize + 12; at += 4) {
      if (U32(file, at) == 0) return kUnsupported;
    }
    if (headerSize == kInfoHeaderSize) tableAt += 12;
  }
  if (pixelOffset < kFileHeaderSize + headerSize || pixelOffset > fileSize) return kTruncated;
  const size_t maxColors = bitsPerPixel <= 8 ? size_t{1} << bitsPerPixel : 0;
  size_t colors = maxColors == 0 ? 0 : (colorsUsed == 0 || colorsUsed > maxColors ? maxColors : colorsUsed);
  const size_t entrySize = core ? 3 : 4;
  if (colors > 0) {
    // Writers that store fewer colours than the depth allows (the core header
    // cannot say so) show it by where the pixels begin.
    const size_t room = pixelOffset > tableAt ? (pixelOffset - tableAt) / entrySize : 0;
    if (room < colors) colors = room;
    if (colors == 0) return kTruncated;
  }
  if (!out) {
    const std::uint64_t stride = ((static_cast<std::uint64_t>(width) * bitsPerPixel + 31) / 32) * 4;
    return rle || fileSize - pixelOffset >= stride * static_cast<std::uint64_t>(rows) ? "" : kTruncated;
  }
  const std::span<const std::uint8_t> data = file.subspan(pixelOffset);

  DibData dib;
  dib.width = static_cast<int>(width);
  dib.height = static_cast<int>(rows);
  if (rle) {
    std::span<const std::uint8_t> stream = data;
    if (sizeImage != 0 && sizeImage < stream.size()) stream = stream.first(sizeImage);
    const bmp::RleCheck checked = CheckRleStream(stream, bitsPerPixel, dib.width, dib.height);
    if (checked.length == 0) return kBadRle;
    dib.fileBits = stream.first(checked.length);
    if (checked.needsEndMark) {
      dib.ownBits.assign(dib.fileBits.begin(), dib.fileBits.end());
      dib.ownBits.insert(dib.ownBits.end(), {0, 1});
    }
  } else {
    const std::uint64_t stride = ((static_cast<std::uint64_t>(width) * bitsPerPixel + 31) / 32) * 4;
    const std::uint64_t needed = stride * static_cast<std::uint64_t>(rows);
    if (data.size() < needed) return kTruncated;
    dib.fileBits = data.first(static_cast<size_t>(needed));
  }

  // BITMAPINFOHEADER: size, width, height, planes, bit count, compression,
  // image size, two densities, colours used, colours important.
  std::vector<std::uint8_t>& info = dib.info;
  Put32(info, kInfoHeaderSize);
  Put32(info, static_cast<std::uint32_t>(dib.width));
  Put32(info, static_cast<std::uint32_t>(core ? dib.height : height));
  Put16(info, 1);
  Put16(info, static_cast<std::uint16_t>(bitsPerPixel));
  Put32(info, compression);
  Put32(info, rle ? static_cast<std::uint32_t>(dib.Bits().size()) : 0);
  Put32(info, 0);
  Put32(info, 0);
  Put32(info, static_cast<std::uint32_t>(maxColors));
  Put32(info, 0);
  if (compression == kBitFields) {
    const auto masks = file.subspan(kFileHeaderSize + kInfoHeaderSize, 12);
    dib.info.insert(dib.info.end(), masks.begin(), masks.end());
  }
  if (colors > 0) {
    // Every index a pixel can hold gets a colour, so that none is left to
    // the platform's choice.
    const std::vector<std::uint8_t> table =
        FullColourTable(file.subspan(tableAt, colors * entrySize), entrySize, bitsPerPixel);
    dib.info.insert(dib.info.end(), table.begin(), table.end());
  }
  *out = std::move(dib);
  return {};
}

}  // namespace

std::string ParseBitmapFile(std::span<const std::uint8_t> file, DibData& out) {
  HeadCheck seen;
  return Parse(file, file.size(), &out, seen);
}

HeadCheck CheckBitmapHead(std::span<const std::uint8_t> head, std::uint64_t fileSize) {
  HeadCheck check;
  check.refusal = Parse(head, fileSize, nullptr, check);
  if (!check.refusal.empty()) check = HeadCheck{check.refusal};
  return check;
}

std::optional<PlainRows> PlainRgb24Rows(std::span<const std::uint8_t> head) {
  if (head.size() < kFileHeaderSize + kInfoHeaderSize || U32(head, 14) < kInfoHeaderSize) return std::nullopt;
  if (U16(head, 28) != 24 || U32(head, 30) != kRgb) return std::nullopt;
  return PlainRows{U32(head, 10), static_cast<std::int32_t>(U32(head, 22)) < 0};
}

std::vector<std::uint8_t> EncodeBitmapFile24(int width, int height, const std::uint8_t* topDownRows, int stride) {
  const std::uint32_t rowBytes = (static_cast<std::uint32_t>(width) * 3 + 3) & ~3u;
  const std::uint32_t imageBytes = rowBytes * static_cast<std::uint32_t>(height);
  const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize;
  std::vector<std::uint8_t> file;
  file.reserve(offset + imageBytes);
  file.push_back('B');
  file.push_back('M');
  Put32(file, offset + imageBytes);
  Put32(file, 0);
  Put32(file, offset);
  Put32(file, kInfoHeaderSize);
  Put32(file, static_cast<std::uint32_t>(width));
  Put32(file, static_cast<std::uint32_t>(height));  // bottom-up, which every reader takes
  Put16(file, 1);
  Put16(file, 24);
  Put32(file, kRgb);
  Put32(file, imageBytes);
  Put32(file, 2835);  // 72 dots per inch
  Put32(file, 2835);
  Put32(file, 0);
  Put32(file, 0);
  for (int y = height - 1; y >= 0; --y) {
    const std::uint8_t* row = topDownRows + static_cast<std::ptrdiff_t>(y) * stride;
    file.insert(file.end(), row, row + static_cast<std::ptrdiff_t>(width) * 3);
    file.insert(file.end(), rowBytes - static_cast<std::uint32_t>(width) * 3, 0);
  }
  return file;
}

}  // namespace bmp
