// File names as the file system answers for them: existence, and whether two
// names are one file.
#include <gtest/gtest.h>

#include "StorageTestSupport.h"
#include "winui/PathNames.h"
#include "winui/TextConv.h"

using namespace storage_test;

namespace {

std::string Sjis(const std::wstring& text) { return *winui::WideToSjis(text); }

TEST(PathNames, AFileHeldOpenExistsAFolderDoesNot) {
  TempFolder dir;
  WriteText(dir / L"機器操作A.tbl", "x");
  const HANDLE held = CreateFileW((dir / L"機器操作A.tbl").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  EXPECT_TRUE(winui::FileExistsSjis(Sjis(dir / L"機器操作A.tbl")));
  CloseHandle(held);
  CreateDirectoryW((dir / L"sub").c_str(), nullptr);
  EXPECT_FALSE(winui::FileExists(dir / L"sub"));
  EXPECT_FALSE(winui::FileExists(dir / L"gone.bmp"));
  EXPECT_FALSE(winui::FileExists(dir / L"gone\\a.bmp"));
}

TEST(PathNames, NamesAreComparedAsTheFileSystemDoes) {
  TempFolder dir;
  const winui::FolderFileNames names(dir.Sjis());
  // Files that are not there: the system's comparison of names.
  for (const auto& [a, b] : {std::pair(L"ω.bmp", L"Ω.BMP"), std::pair(L"а.bmp", L"А.bmp"), std::pair(L"ⅰ.bmp", L"Ⅰ.bmp"),
                             std::pair(L"ａ.bmp", L"Ａ.bmp"), std::pair(L"sub\\a.bmp", L"SUB. \\a.bmp. ")}) {
    EXPECT_TRUE(names.SameFile(Sjis(a), Sjis(b))) << Sjis(a);
  }
  EXPECT_FALSE(names.SameFile(Sjis(L"ア.bmp"), Sjis(L"ャ.bmp")));
  // Files that are there: whether they are the one file.
  WriteText(dir / L"機器操作A.tbl", "x");
  WriteText(dir / L"b.bmp", "x");
  EXPECT_TRUE(names.SameFile(Sjis(L"機器操作a.TBL"), Sjis(L"機器操作A.tbl.")));
  EXPECT_FALSE(names.SameFile(Sjis(L"機器操作A.tbl"), "b.bmp"));
}

}  // namespace
