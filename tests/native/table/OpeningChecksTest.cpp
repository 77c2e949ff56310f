#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "ScriptedAsk.h"
#include "table/TableChecks.h"
#include "table/TableTexts.h"

using namespace panel;

namespace {

struct FakePictures : IPictureProbe {
  std::optional<PictureSize> size;
  std::vector<std::string> loaded;
  std::optional<PictureSize> LoadPictureSize(const std::string& path) override {
    loaded.push_back(path);
    return size;
  }
};

// 3 x 2 cells of 40 x 30 pixels: the bitmap should be 120 x 60.
CPanelTable Grid(std::initializer_list<const char*> codes) {
  CPanelTable t;
  t.SetTablePath("C:\\\x83\x5c\\t.tbl");  // folder "C:\ソ": ソ ends in 0x5C
  t.SetBitmapName("p.bmp");
  EXPECT_TRUE(t.CreateGrid(40, 30, 3, 2));
  int i = 0;
  for (const char* code : codes) t.Cell(i).SetCode(MakeCellCode(code), i), ++i;
  return t;
}

std::vector<std::string> Codes(const CPanelTable& t) {
  std::vector<std::string> out;
  for (const CButtonInfo& c : t.Cells()) out.push_back(CodeText(c.GetCode()));
  return out;
}

TEST(OpeningChecks, BitmapIsLoadedBesideTheTableAndMayBeOnePixelOff) {
  for (PictureSize s : {PictureSize{120, 60}, PictureSize{121, 61}, PictureSize{119, 59}, PictureSize{121, 59}}) {
    CPanelTable t = Grid({});
    FakePictures pictures;
    pictures.size = s;
    ScriptedAsk ask;
    EXPECT_EQ(CheckTableBitmap(t, pictures, ask), "") << s.width << "x" << s.height;
    EXPECT_EQ(pictures.loaded, std::vector<std::string>{"C:\\\x83\x5c\\p.bmp"});
    EXPECT_TRUE(ask.asked.empty());
  }
  for (PictureSize s : {PictureSize{122, 60}, PictureSize{118, 60}, PictureSize{120, 62}, PictureSize{120, 58},
                        PictureSize{0, 0}}) {
    CPanelTable t = Grid({"ZZ  "});
    FakePictures pictures;
    pictures.size = s;
    ScriptedAsk ask;
    EXPECT_EQ(CheckTableBitmap(t, pictures, ask), kBitmapSizeMismatch) << s.width << "x" << s.height;
    EXPECT_TRUE(ask.asked.empty()) << "cells are not looked at when the size is wrong";
    EXPECT_EQ(Codes(t)[0], "ZZ  ");
  }
}

TEST(OpeningChecks, UnreadableBitmapAsksNothingAndLeavesCellsAlone) {
  CPanelTable t = Grid({"ZZ  ", "+A  "});
  FakePictures pictures;  // nothing loads
  ScriptedAsk ask;
  EXPECT_EQ(CheckTableBitmap(t, pictures, ask), kBitmapUnreadable);
  EXPECT_TRUE(ask.asked.empty());
  EXPECT_EQ(Codes(t)[1], "+A  ");
}

TEST(OpeningChecks, BitmapNameMayNameASubfolderButNeverLeaveTheFolder) {
  // ソ (0x83 0x5C) ends in the byte of a backslash and is no separator.
  for (const char* name : {"sub\\p.bmp", "a\\b\\p.bmp", "\x83\x5c\\p.bmp", "\x83\x5c.bmp", "sub.\\p.bmp"}) {
    CPanelTable t = Grid({});
    t.SetBitmapName(name);
    FakePictures pictures;
    pictures.size = PictureSize{120, 60};
    ScriptedAsk ask;
    EXPECT_EQ(CheckTableBitmap(t, pictures, ask), "") << name;
    EXPECT_EQ(pictures.loaded, std::vector<std::string>{"C:\\\x83\x5c\\" + std::string(name)});
  }
  for (const char* name : {"..\\x.bmp", "C:\\x.bmp", "\\x.bmp", "\\\\server\\x.bmp", "sub\\..\\x.bmp", "sub\\\\x.bmp",
                           "sub\\", ".. \\x.bmp", ".\\x.bmp", "C:x.bmp", "a/b.bmp", "..", ""}) {
    CPanelTable t = Grid({});
    t.SetBitmapName(name);
    FakePictures pictures;
    pictures.size = PictureSize{120, 60};
    ScriptedAsk ask;
    EXPECT_EQ(CheckTableBitmap(t, pictures, ask), kBitmapUnreadable) << name;
    EXPECT_TRUE(pictures.loaded.empty()) << name;
    EXPECT_FALSE(TableBitmapPath(t)) << name;
  }
}

TEST(OpeningChecks, ForeignCommandsAreQuestionedOnceYesBlanksThem) {
  // Two foreign cells, a '+' cell, an infrared cell without texts, one with a
  // text, a relay cell carrying a stray text.
  CPanelTable t = Grid({"ZZ  ", "+Axy", "Kq  ", "03  ", "04 N", "X1 &"});
  t.Cell(4).AddText("'memo");
  t.Cell(4).AddText("row\tdata");
  t.Cell(5).AddText("stray");
  FakePictures pictures;
  pictures.size = PictureSize{120, 60};
  ScriptedAsk ask(true);
  EXPECT_EQ(CheckTableBitmap(t, pictures, ask), "");
  ASSERT_EQ(ask.asked.size(), 1u);
  EXPECT_EQ(ask.asked[0], kForeignCommandsQuestion);
  EXPECT_EQ(ask.captions[0], kCautionCaption);
  EXPECT_EQ(Codes(t), (std::vector<std::string>{"    ", "  xy", "    ", "    ", "04 N", "X1 &"}));
  EXPECT_EQ(t.Cell(4).GetCount(), 1);
  EXPECT_EQ(t.Cell(4).GetMemo(), "memo");
  EXPECT_EQ(t.Cell(5).GetCount(), 0);
}

TEST(OpeningChecks, NoToForeignCommandsFailsWithoutFurtherChanges) {
  CPanelTable t = Grid({"+Axy", "ZZ  ", "03  "});
  FakePictures pictures;
  pictures.size = PictureSize{120, 60};
  ScriptedAsk ask(false);
  EXPECT_EQ(CheckTableBitmap(t, pictures, ask), kForeignCommandsRefused);
  EXPECT_EQ(ask.asked.size(), 1u);
  // The validity test has run over every cell ('+' gone), the clean-up has not.
  EXPECT_EQ(Codes(t)[0], "  xy");
  EXPECT_EQ(Codes(t)[1], "ZZ  ");
  EXPECT_EQ(Codes(t)[2], "03  ");
}

TEST(OpeningChecks, KnownTextsAreTheProgramsOwn) {
  if (sizeof("テ") != 3) GTEST_SKIP() << "narrow literals are not CP932 in this build";
  EXPECT_STREQ(kBitmapUnreadable, "ＢＭＰファイルが読めません");
  EXPECT_STREQ(kBitmapSizeMismatch, "画像のサイズと合いません");
  EXPECT_STREQ(kForeignCommandsRefused, "機器操作以外のコマンドがありました");
  EXPECT_STREQ(kForeignCommandsQuestion, "機器操作パネル以外の命令があります。無視して続けて良いですか？");
}

}  // namespace
