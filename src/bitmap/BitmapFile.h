#pragma once
// The Windows bitmap file format, taken apart and put together in memory. The
// platform draws the pixels (every bit depth, RLE, bit fields); this only makes
// sure it never reads past what the file holds, never draws outside the
// picture and never picks a colour of its own (bitmap/DibChecks.h).
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace bmp {

// A bitmap ready for the platform's SetDIBits: a 40-byte info header with its
// masks or colour table, and exactly the pixel bytes the platform will read.
// The pixel bytes are not copied: they are read from the parsed file's bytes,
// which must outlive the DibData, unless an RLE stream needed its missing end
// mark added.
struct DibData {
  std::vector<std::uint8_t> info;
  std::span<const std::uint8_t> fileBits;
  std::vector<std::uint8_t> ownBits;
  int width = 0;
  int height = 0;  // always positive; the header keeps the file's direction

  std::span<const std::uint8_t> Bits() const { return ownBits.empty() ? fileBits : std::span(ownBits); }
};

// Limits for a picture we keep in memory in a 32-bit process.
inline constexpr int kMaxPictureSide = 32767;
inline constexpr std::int64_t kMaxPicturePixels = std::int64_t{1} << 26;

// "" and `out` filled, or why (Shift-JIS, bitmap/BitmapTexts.h) the bytes are
// no bitmap we can show. Accepts the OS/2 core header and the Windows headers
// of 40, 52, 56, 108 and 124 bytes; 1, 4, 8, 16, 24 and 32 bits per pixel;
// bottom-up and top-down; RLE4, RLE8 and bit fields. The file size, planes,
// densities, important colours and, without RLE, the image size fields are
// not looked at: the pixels are defined without them.
std::string ParseBitmapFile(std::span<const std::uint8_t> file, DibData& out);

// Enough of a file's first bytes for CheckBitmapHead: the longest header, its
// masks and a full colour table.
inline constexpr std::size_t kBitmapHeadBytes = 14 + 124 + 12 + 256 * 4;

struct HeadCheck {
  std::string refusal;       // "" or ParseBitmapFile's reason
  bool needsPixels = false;  // a run-length stream: only ParseBitmapFile can judge it
  int width = 0;             // the picture's size, once the header was read
  int height = 0;
};

// ParseBitmapFile's verdict for a file of `fileSize` bytes from its first
// min(fileSize, kBitmapHeadBytes) bytes in `head`, for a picture that is only
// checked, not drawn: without RLE the pixels matter only by their number.
HeadCheck CheckBitmapHead(std::span<const std::uint8_t> head, std::uint64_t fileSize);

// An uncompressed 24-bit picture, the form this program writes, has the rows
// of a platform 24-bit section: they can be read from the file into one. For
// a head CheckBitmapHead accepted; nullopt for every other form.
struct PlainRows {
  std::uint32_t offset = 0;  // of the first row in the file
  bool topDown = false;
};
std::optional<PlainRows> PlainRgb24Rows(std::span<const std::uint8_t> head);

// A 24-bit bottom-up bitmap file. `topDownRows` holds `height` rows of
// `stride` bytes, blue-green-red per pixel, top row first.
std::vector<std::uint8_t> EncodeBitmapFile24(int width, int height, const std::uint8_t* topDownRows, int stride);

}  // namespace bmp
