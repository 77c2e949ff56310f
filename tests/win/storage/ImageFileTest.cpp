// Pictures for button faces: what is refused before decoding, and how a
// chosen picture is copied into the pictures folder.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

#include "StorageTestSupport.h"
#include "data/PanelFaceFiles.h"
#include "winui/ImageFile.h"

using storage_test::TempFolder;

namespace {

bool Says(const std::wstring& text, const wchar_t* part) { return text.find(part) != std::wstring::npos; }

// A valid run-length bitmap of 5000 x 5000 pixels in 64 bytes.
std::string HugeRunLengthBitmap() {
  std::string b(64, '\0');
  auto put = [&](size_t at, std::uint32_t v, int bytes) { std::memcpy(&b[at], &v, static_cast<size_t>(bytes)); };
  b[0] = 'B', b[1] = 'M';
  put(2, 64, 4), put(10, 62, 4), put(14, 40, 4), put(18, 5000, 4), put(22, 5000, 4), put(26, 1, 2);
  put(28, 8, 2), put(30, BI_RLE8, 4), put(34, 2, 4), put(46, 2, 4);
  b[62] = 0, b[63] = 1;  // end of the bitmap
  return b;
}

TEST(ImageFile, RefusesHugeOrUnreadablePicturesBeforeDecoding) {
  TempFolder folder;
  storage_test::WriteText(folder / L"huge.bmp", HugeRunLengthBitmap());
  storage_test::WriteText(folder / L"text.png", "not a picture");
  storage_test::WriteBytes(folder / L"big.png", std::vector<std::uint8_t>(winui::kMaxImageFileBytes + 1));
  winui::Image image;
  EXPECT_TRUE(Says(winui::LoadImageFile(folder.Sjis() + "\\huge.bmp", image), L"1600万画素"));
  EXPECT_TRUE(Says(winui::LoadImageFile(folder.Sjis() + "\\big.png", image), L"20MB"));
  EXPECT_TRUE(Says(winui::LoadImageFile(folder.Sjis() + "\\text.png", image), L"画像として読めない"));
  EXPECT_FALSE(winui::LoadImageFile(folder.Sjis() + "\\gone.png", image).empty());
  EXPECT_TRUE(image.Empty());
}

TEST(ImageFile, AChosenPictureKeepsItsNameUnlessAnotherPictureHasIt) {
  TempFolder work;
  TempFolder elsewhere;
  panel::CPanelTable table;
  table.SetTablePath(work.Sjis() + "\\t.tbl");
  winui::Picture red;
  winui::Picture blue;
  ASSERT_TRUE(red.Create(4, 3, RGB(255, 0, 0)) && blue.Create(4, 3, RGB(0, 0, 255)));
  ASSERT_EQ(red.SaveToFile(elsewhere.Sjis() + "\\p.bmp"), L"");
  std::string name;
  ASSERT_EQ(ImportFacePicture(table, elsewhere / L"p.bmp", name), L"");
  EXPECT_EQ(name, "p.bmp");
  ASSERT_EQ(ImportFacePicture(table, elsewhere / L"p.bmp", name), L"");  // the same again: no second copy
  EXPECT_EQ(name, "p.bmp");
  ASSERT_EQ(blue.SaveToFile(elsewhere.Sjis() + "\\p.bmp"), L"");
  ASSERT_EQ(ImportFacePicture(table, elsewhere / L"p.bmp", name), L"");
  EXPECT_EQ(name, "p-2.bmp");
  EXPECT_TRUE(storage_test::Exists(work / L"ボタン画像\\p-2.bmp"));
  storage_test::WriteText(elsewhere / L"q.png", "not a picture");
  EXPECT_FALSE(ImportFacePicture(table, elsewhere / L"q.png", name).empty());
  EXPECT_FALSE(storage_test::Exists(work / L"ボタン画像\\q.png"));
}

}  // namespace
