#include "BmpFixtures.h"

namespace storage_test {

namespace {

void Put16(std::vector<std::uint8_t>& v, unsigned x) {
  v.push_back(static_cast<std::uint8_t>(x));
  v.push_back(static_cast<std::uint8_t>(x >> 8));
}
void Put32(std::vector<std::uint8_t>& v, std::uint32_t x) {
  for (int i = 0; i < 4; ++i) v.push_back(static_cast<std::uint8_t>(x >> (8 * i)));
}
void Set32(std::vector<std::uint8_t>& v, size_t at, std::uint32_t x) {
  for (int i = 0; i < 4; ++i) v[at + i] = static_cast<std::uint8_t>(x >> (8 * i));
}

int PaletteSize(int bpp) { return bpp == 1 ? 2 : 16; }
COLORREF PaletteColor(int i) { return RGB(i * 16, 255 - i * 13, (i * 37 + 5) & 0xFF); }
int IndexAt(const BmpForm& form, int x, int y) { return (x + 2 * y) % PaletteSize(form.bitsPerPixel); }

// Pixel bytes of one row, uncompressed, padded to 32 bits.
std::vector<std::uint8_t> RawRow(const BmpForm& form, int width, int y) {
  std::vector<std::uint8_t> row;
  const int bpp = form.bitsPerPixel;
  if (bpp <= 8) {
    row.assign(static_cast<size_t>((width * bpp + 7) / 8), 0);
    for (int x = 0; x < width; ++x) {
      const int bit = x * bpp;
      row[bit / 8] |= static_cast<std::uint8_t>(IndexAt(form, x, y) << (8 - bpp - bit % 8));
    }
  } else {
    for (int x = 0; x < width; ++x) {
      const COLORREF c = ExpectedColor(form, x, y);
      const unsigned r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
      if (bpp == 16) {
        Put16(row, form.compression == BI_BITFIELDS ? ((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3)
                                                    : ((r >> 3) << 10) | ((g >> 3) << 5) | (b >> 3));
      } else {
        row.insert(row.end(), {static_cast<std::uint8_t>(b), static_cast<std::uint8_t>(g),
                               static_cast<std::uint8_t>(r)});
        if (bpp == 32) row.push_back(0xFF);
      }
    }
  }
  while (row.size() % 4) row.push_back(0);
  return row;
}

// Each row: its first three pixels as an absolute run, the rest as runs of one.
std::vector<std::uint8_t> RleRow(const BmpForm& form, int width, int y) {
  std::vector<std::uint8_t> out;
  const bool four = form.compression == BI_RLE4;
  const int head = width < 3 ? width : 3;
  if (head == 3) {
    out.insert(out.end(), {0, 3});
    if (four) {
      out.push_back(static_cast<std::uint8_t>(IndexAt(form, 0, y) << 4 | IndexAt(form, 1, y)));
      out.push_back(static_cast<std::uint8_t>(IndexAt(form, 2, y) << 4));
    } else {
      for (int x = 0; x < 3; ++x) out.push_back(static_cast<std::uint8_t>(IndexAt(form, x, y)));
      out.push_back(0);  // absolute runs are padded to 16 bits
    }
  }
  for (int x = head == 3 ? 3 : 0; x < width; ++x) {
    const int i = IndexAt(form, x, y);
    out.push_back(1);
    out.push_back(static_cast<std::uint8_t>(four ? i << 4 : i));
  }
  out.insert(out.end(), {0, 0});
  return out;
}

}  // namespace

COLORREF ExpectedColor(const BmpForm& form, int x, int y) {
  if (form.bitsPerPixel <= 8) return PaletteColor(IndexAt(form, x, y));
  if (form.bitsPerPixel == 16) {
    const int k = (x + y) % 8;
    return RGB(k & 1 ? 255 : 0, k & 2 ? 255 : 0, k & 4 ? 255 : 0);
  }
  return RGB(x * 29 % 256, y * 41 % 256, (x * y * 7 + 3) % 256);
}

std::vector<std::uint8_t> MakeBmp(const BmpForm& form, int width, int height) {
  const bool rle = form.compression == BI_RLE4 || form.compression == BI_RLE8;
  std::vector<std::uint8_t> pixels;
  for (int i = 0; i < height; ++i) {
    const int y = form.topDown ? i : height - 1 - i;
    const std::vector<std::uint8_t> row = rle ? RleRow(form, width, y) : RawRow(form, width, y);
    pixels.insert(pixels.end(), row.begin(), row.end());
  }
  if (rle) pixels.insert(pixels.end(), {0, 1});

  std::vector<std::uint8_t> f = {'B', 'M'};
  Put32(f, 0);  // file size, set below
  Put32(f, 0);
  Put32(f, 0);  // pixel offset, set below
  const int rows = form.topDown ? -height : height;
  if (form.header == HeaderKind::Core12) {
    Put32(f, 12);
    Put16(f, static_cast<unsigned>(width));
    Put16(f, static_cast<unsigned>(height));
    Put16(f, 1);
    Put16(f, static_cast<unsigned>(form.bitsPerPixel));
  } else {
    const std::uint32_t size = form.header == HeaderKind::V5 ? 124 : 40;
    Put32(f, size);
    Put32(f, static_cast<std::uint32_t>(width));
    Put32(f, static_cast<std::uint32_t>(rows));
    Put16(f, 1);
    Put16(f, static_cast<unsigned>(form.bitsPerPixel));
    Put32(f, form.compression);
    Put32(f, rle ? static_cast<std::uint32_t>(pixels.size()) : 0);
    Put32(f, 3780);
    Put32(f, 3780);
    Put32(f, form.bitsPerPixel <= 8 ? static_cast<std::uint32_t>(PaletteSize(form.bitsPerPixel)) : 0);
    Put32(f, 0);
    if (form.header == HeaderKind::V5 || form.compression == BI_BITFIELDS) {
      // Masks: inside the V5 header, after the 40-byte one.
      if (form.bitsPerPixel == 16) {
        Put32(f, 0xF800), Put32(f, 0x07E0), Put32(f, 0x001F);
      } else {
        Put32(f, 0x00FF0000), Put32(f, 0x0000FF00), Put32(f, 0x000000FF);
      }
    }
    if (form.header == HeaderKind::V5) {
      Put32(f, 0);           // alpha mask
      Put32(f, 0x73524742);  // 'sRGB'
      f.resize(14 + 124, 0);
    }
  }
  if (form.bitsPerPixel <= 8) {
    for (int i = 0; i < PaletteSize(form.bitsPerPixel); ++i) {
      const COLORREF c = PaletteColor(i);
      f.insert(f.end(), {GetBValue(c), GetGValue(c), GetRValue(c)});
      if (form.header != HeaderKind::Core12) f.push_back(0);
    }
  }
  Set32(f, 10, static_cast<std::uint32_t>(f.size()));
  f.insert(f.end(), pixels.begin(), pixels.end());
  Set32(f, 2, static_cast<std::uint32_t>(f.size()));
  return f;
}

}  // namespace storage_test

namespace storage_test {
std::vector<BmpForm> AllForms() {
  using H = HeaderKind;
  return {
      {1, H::Info40},          {4, H::Info40},        {8, H::Info40},
      {16, H::Info40},         {24, H::Info40},       {32, H::Info40},
      {16, H::Info40, false, BI_BITFIELDS},           {32, H::Info40, false, BI_BITFIELDS},
      {1, H::Info40, true},    {4, H::Info40, true},  {8, H::Info40, true},
      {16, H::Info40, true},   {24, H::Info40, true}, {32, H::Info40, true},
      {8, H::Info40, false, BI_RLE8},                 {4, H::Info40, false, BI_RLE4},
      {1, H::Core12},          {4, H::Core12},        {8, H::Core12},
      {24, H::Core12},         {8, H::V5},            {24, H::V5},
      {16, H::V5, false, BI_BITFIELDS},               {32, H::V5, true, BI_BITFIELDS},
  };
}
}  // namespace storage_test
