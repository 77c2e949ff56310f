#include "table/NewPanel.h"

#include <gtest/gtest.h>

using namespace panel;

TEST(NewPanel, IdentifierIsOneAsciiLetterOrDigit) {
  for (const char* good : {"A", "z", "0", "9"}) EXPECT_TRUE(IsTableIdentifier(good)) << good;
  for (const char* bad : {"", "AB", "-", "_", "\x83\x5c", "\xb1"}) EXPECT_FALSE(IsTableIdentifier(bad)) << bad;
}

TEST(NewPanel, BitmapNameGetsBmpUnlessItHasAThreeCharacterExtension) {
  EXPECT_EQ(CompleteBitmapName("panel"), "panel.bmp");
  EXPECT_EQ(CompleteBitmapName("panel.png"), "panel.png");
  EXPECT_EQ(CompleteBitmapName(""), ".bmp");
  EXPECT_EQ(CompleteBitmapName(".ab"), ".ab");      // shorter than four: its first character
  EXPECT_EQ(CompleteBitmapName("a.bc"), "a.bc.bmp");  // two-letter extensions are not kept
  EXPECT_EQ(CompleteBitmapName("a.b"), "a.b.bmp");  // 'a' is first
  // "x.ソソソ": the dot is the fourth character, though not the fourth byte, from the end.
  EXPECT_EQ(CompleteBitmapName("x.\x83\x5c\x83\x5c\x83\x5c"), "x.\x83\x5c\x83\x5c\x83\x5c");
}

TEST(NewPanel, RefusesWhatCouldNotBeOpenedOrReadByTheHost) {
  EXPECT_EQ(CheckNewPanel("a.bmp", 3, 2, 40, 30), NewPanelRefusal::None);
  EXPECT_EQ(CheckNewPanel("a.bmp", 3, -2, 40, 30), NewPanelRefusal::BadSize);
  EXPECT_EQ(CheckNewPanel("a.bmp", 3, 2, 0, 30), NewPanelRefusal::BadSize);
  EXPECT_EQ(CheckNewPanel("a.bmp", 24, 1, 10, 10), NewPanelRefusal::None);
  EXPECT_EQ(CheckNewPanel("a.bmp", 25, 1, 10, 10), NewPanelRefusal::TooManyColumns);
  EXPECT_EQ(CheckNewPanel("a.bmp", 1, 257, 10, 10), NewPanelRefusal::TooLarge);      // cells per side
  EXPECT_EQ(CheckNewPanel("a.bmp", 2, 2, 20000, 10), NewPanelRefusal::TooLarge);     // pixels per side
  EXPECT_EQ(CheckNewPanel("a.bmp", 20, 20, 1000, 1000), NewPanelRefusal::TooLarge);  // pixels in all
  EXPECT_EQ(CheckNewPanel(std::string(95, 'a') + ".bmp", 1, 1, 10, 10), NewPanelRefusal::BitmapNameTooLong);
  EXPECT_EQ(CheckNewPanel("..\\a.bmp", 1, 1, 10, 10), NewPanelRefusal::BitmapNameNotInside);
  EXPECT_EQ(CheckNewPanel("nul.bmp", 1, 1, 10, 10), NewPanelRefusal::BitmapNameIsDevice);
  // A table's name, as the file system takes it: any case, trailing dots and blanks dropped.
  for (const char* table : {"\x8b\x40\x8a\xed\x91\x80\x8d\xec" "B.TbL", "a.tbl. .", ".tbl"}) {
    EXPECT_EQ(CheckNewPanel(table, 1, 1, 10, 10), NewPanelRefusal::BitmapNameIsTable) << table;
  }
  EXPECT_EQ(CheckNewPanel("a.tbl.bmp", 1, 1, 10, 10), NewPanelRefusal::None);
}

TEST(NewPanel, InitialTableFileOfTheWorkedExample) {
  EXPECT_EQ(InitialTableFile("A.bmp", 40, 30, 3, 2),
            "A.bmp\r\n40,30,3,2\r\n            \r\n            \r\n\r\n"
            "<\x83\x5c\x83\x89\x83\x7e\x83\x67\x83\x8a\x83\x82\x83\x52\x83\x93\x83\x66\x81\x5b\x83\x5e>\r\n"
            "<END>\r\n");
}
