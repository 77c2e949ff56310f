#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "bitmap/BitmapFile.h"
#include "bitmap/BitmapTexts.h"
#include "bitmap/DibChecks.h"

using Bytes = std::vector<std::uint8_t>;

// Hand-made streams for a picture 4 pixels wide (RLE8) or 3 wide (RLE4) and
// 2 rows high. 9 is any colour index.
TEST(RleStream, MayEndEarlyButNeverLeaveThePicture) {
  const struct {
    const char* what;
    int bits;
    Bytes stream;
    std::size_t length;  // 0: refused
  } cases[] = {
      {"run past the row end", 8, {3, 9, 2, 9, 0, 0, 4, 9, 0, 1}, 0},
      {"literal run past the row end", 8, {2, 9, 0, 3, 9, 9, 9, 0, 0, 1}, 0},
      {"delta past the right edge", 8, {2, 9, 0, 2, 3, 0, 0, 1}, 0},
      {"delta below the last row", 8, {0, 2, 0, 2, 0, 1}, 0},
      {"run after the last row", 8, {4, 9, 0, 0, 4, 9, 0, 0, 1, 9, 0, 1}, 0},
      {"RLE4 run one pixel past the row end", 4, {4, 0x99, 0, 1}, 0},
      {"early end of line", 8, {2, 9, 0, 0, 4, 9, 0, 1}, 8},
      {"early end of picture", 8, {4, 9, 0, 1, 200, 9}, 4},
      {"deltas that skip pixels", 8, {0, 2, 1, 1, 3, 9, 0, 1}, 8},
      {"RLE4 odd runs ending at the row end", 4, {3, 0x99, 0, 0, 0, 3, 0x99, 0x90, 0, 1}, 10},
  };
  for (const auto& c : cases) {
    const bmp::RleCheck checked = bmp::CheckRleStream(c.stream, c.bits, c.bits == 8 ? 4 : 3, 2);
    EXPECT_EQ(checked.length, c.length) << c.what;
    EXPECT_FALSE(checked.needsEndMark) << c.what;
  }
  // Every row ended and then the data ends: whole, the end mark is added.
  const bmp::RleCheck unmarked = bmp::CheckRleStream(Bytes{4, 9, 0, 0, 4, 9, 0, 0}, 8, 4, 2);
  EXPECT_EQ(unmarked.length, 8u);
  EXPECT_TRUE(unmarked.needsEndMark);
}

TEST(ColourTable, IndicesPastTheStoredColoursAreBlack) {
  // Two colours stored (core header entries of three bytes) for 4-bit pixels.
  Bytes expected = {1, 2, 3, 0, 4, 5, 6, 0};
  expected.resize(16 * 4, 0);
  EXPECT_EQ(bmp::FullColourTable(Bytes{1, 2, 3, 4, 5, 6}, 3, 4), expected);
}

TEST(BitmapFile, AColourMaskWithoutBitsIsRefusedByTheCheck) {
  // 16 bits, 1 x 1, bit fields 5-6-5: file header, info header, three masks, one padded pixel.
  Bytes file = {'B', 'M', 70, 0, 0, 0, 0, 0, 0, 0, 66, 0, 0, 0, 40, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 16, 0,
                3, 0, 0, 0};
  file.resize(54, 0);
  file.insert(file.end(), {0x00, 0xF8, 0, 0, 0xE0, 0x07, 0, 0, 0x1F, 0, 0, 0, 0xFF, 0xFF, 0, 0});
  bmp::DibData dib;
  EXPECT_EQ(bmp::ParseBitmapFile(file, dib), "");
  for (size_t mask : {54, 58, 62}) {
    Bytes zero = file;
    std::fill_n(zero.begin() + static_cast<std::ptrdiff_t>(mask), 4, 0);
    EXPECT_EQ(bmp::ParseBitmapFile(zero, dib), bmp::text::kUnsupported) << mask;
  }
}
