// Loading Windows bitmaps in every form users' paint programs write, hostile
// and truncated files, and saving a bitmap others can read.
#include <gtest/gtest.h>

#include "BmpFixtures.h"
#include "bitmap/BitmapFile.h"
#include "StorageTestSupport.h"
#include "winui/Gdi.h"
#include "winui/Picture.h"

using namespace storage_test;

namespace {

std::string PathSjis(const std::wstring& path) { return *winui::WideToSjis(path); }

TEST(Picture, LoadsEveryFormPixelForPixel) {
  TempFolder dir;
  for (const BmpForm& form : AllForms()) {
    SCOPED_TRACE(form.Name());
    const std::wstring path = dir / L"ソ.bmp";
    WriteBytes(path, MakeBmp(form, 7, 5));
    winui::Picture picture;
    ASSERT_EQ(picture.LoadFromFile(PathSjis(path)), L"");
    EXPECT_EQ(picture.Width(), 7);
    EXPECT_EQ(picture.Height(), 5);
    int wrong = 0;
    for (int y = 0; y < 5; ++y)
      for (int x = 0; x < 7; ++x) wrong += picture.PixelAt(x, y) != ExpectedColor(form, x, y);
    EXPECT_EQ(wrong, 0) << "first pixel " << std::hex << picture.PixelAt(0, 0) << " expected "
                        << ExpectedColor(form, 0, 0);
  }
}

TEST(Picture, FormatComesFromTheContentNotTheName) {
  TempFolder dir;
  WriteBytes(dir / L"panel.png", MakeBmp({24}, 4, 3));
  WriteText(dir / L"text.bmp", "not a picture at all, only some text\r\n");
  winui::Picture picture;
  EXPECT_EQ(picture.LoadFromFile(PathSjis(dir / L"panel.png")), L"");
  EXPECT_EQ(picture.Width(), 4);
  EXPECT_NE(picture.LoadFromFile(PathSjis(dir / L"text.bmp")), L"");
  EXPECT_EQ(picture.Width(), 4) << "a failed load keeps the picture it had";
  EXPECT_NE(picture.LoadFromFile(PathSjis(dir / L"missing.bmp")), L"");
  EXPECT_NE(picture.LoadFromFile("\x82"), L"") << "a path that is no Shift-JIS";
}

TEST(Picture, EveryTruncationFailsCleanly) {
  for (const BmpForm& form : {BmpForm{24}, BmpForm{4, HeaderKind::Core12}, BmpForm{8, HeaderKind::Info40, false, BI_RLE8},
                              BmpForm{4, HeaderKind::Info40, false, BI_RLE4}, BmpForm{16, HeaderKind::V5, false, BI_BITFIELDS}}) {
    SCOPED_TRACE(form.Name());
    const std::vector<std::uint8_t> whole = MakeBmp(form, 7, 5);
    // An RLE stream cut just before its end mark still holds every row.
    const bool rle = form.compression == BI_RLE4 || form.compression == BI_RLE8;
    const size_t shortest = rle ? whole.size() - 2 : whole.size();
    for (size_t n = 0; n < shortest; ++n) {
      bmp::DibData dib;
      EXPECT_NE(bmp::ParseBitmapFile(std::span(whole.data(), n), dib), "") << "cut to " << n;
    }
  }
  // Through the file too, which is what users have.
  TempFolder dir;
  std::vector<std::uint8_t> cut = MakeBmp({24}, 120, 60);
  cut.resize(cut.size() / 2);
  WriteBytes(dir / L"cut.bmp", cut);
  winui::Picture picture;
  EXPECT_NE(picture.LoadFromFile(PathSjis(dir / L"cut.bmp")), L"");
}

TEST(Picture, HostileHeadersAreRefused) {
  const std::vector<std::uint8_t> good = MakeBmp({8}, 7, 5);
  auto patched = [&](size_t at, std::uint32_t value, int bytes) {
    std::vector<std::uint8_t> b = good;
    for (int i = 0; i < bytes; ++i) b[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
    return b;
  };
  const struct {
    const char* what;
    std::vector<std::uint8_t> bytes;
  } cases[] = {
      {"header size of OS/2 2.x", patched(14, 64, 4)},
      {"huge width", patched(18, 0x7FFFFFFF, 4)},
      {"zero width", patched(18, 0, 4)},
      {"negative width", patched(18, 0xFFFFFFF0u, 4)},
      {"2 bits per pixel", patched(28, 2, 2)},
      {"JPEG inside", patched(30, BI_JPEG, 4)},
      {"RLE4 on 8 bits", patched(30, BI_RLE4, 4)},
      {"pixels beyond the end", patched(10, 0x10000, 4)},
      {"pixels inside the header", patched(10, 20, 4)},
  };
  for (const auto& c : cases) {
    bmp::DibData dib;
    EXPECT_NE(bmp::ParseBitmapFile(c.bytes, dib), "") << c.what;
  }
  // Too many colours claimed: only those before the pixels are read.
  bmp::DibData dib;
  EXPECT_EQ(bmp::ParseBitmapFile(patched(46, 100000, 4), dib), "");
  // An RLE stream that runs off its end.
  std::vector<std::uint8_t> rle = MakeBmp({8, HeaderKind::Info40, false, BI_RLE8}, 7, 5);
  rle.resize(rle.size() - 3);
  rle.insert(rle.end(), {0, 200});  // an absolute run of 200 bytes that are not there
  EXPECT_NE(bmp::ParseBitmapFile(rle, dib), "");
}

TEST(Picture, SavesABitmapOthersRead) {
  TempFolder dir;
  winui::Picture picture;
  ASSERT_TRUE(picture.Create(13, 9, RGB(255, 255, 255)));
  {
    winui::MemoryDc dc;
    winui::ScopedSelectObject select(dc.Get(), picture.Handle());
    winui::Brush red(CreateSolidBrush(RGB(200, 10, 20)));
    RECT r{2, 3, 5, 9};
    FillRect(dc.Get(), &r, red.Get());
  }
  const std::wstring path = dir / L"機器操作A.bmp";
  ASSERT_EQ(picture.SaveToFile(PathSjis(path)), L"");

  winui::Picture back;
  ASSERT_EQ(back.LoadFromFile(PathSjis(path)), L"");
  ASSERT_EQ(back.Width(), 13);
  ASSERT_EQ(back.Height(), 9);
  for (int y = 0; y < 9; ++y)
    for (int x = 0; x < 13; ++x) ASSERT_EQ(back.PixelAt(x, y), picture.PixelAt(x, y)) << x << "," << y;
  EXPECT_EQ(back.PixelAt(2, 8), RGB(200, 10, 20));
  EXPECT_EQ(back.PixelAt(5, 8), RGB(255, 255, 255));

  // The system's own loader takes it as well.
  winui::Bitmap system(static_cast<HBITMAP>(LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0,
                                                       LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
  ASSERT_TRUE(system);
  BITMAP info{};
  GetObjectW(system.Get(), sizeof info, &info);
  EXPECT_EQ(info.bmWidth, 13);
  EXPECT_EQ(info.bmHeight, 9);
  EXPECT_EQ(info.bmBitsPixel, 24);
  EXPECT_EQ(dir.Names(), std::vector<std::wstring>{L"機器操作A.bmp"}) << "no temporary file is left";
}

TEST(Picture, RefusesSizesItCannotHold) {
  winui::Picture picture;
  EXPECT_FALSE(picture.Create(0, 5, 0));
  EXPECT_FALSE(picture.Create(40000, 5, 0));
  EXPECT_TRUE(picture.Empty());
  EXPECT_EQ(picture.PixelAt(0, 0), CLR_INVALID);
  EXPECT_NE(picture.SaveToFile("C:\\x.bmp"), L"") << "nothing to save";
}

}  // namespace
