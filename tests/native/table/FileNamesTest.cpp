#include "table/FileNames.h"

#include <gtest/gtest.h>

#include "table/TableChecks.h"

using namespace panel;

TEST(FileNames, TrailingDotsAndBlanksOfEachPartAreDropped) {
  EXPECT_EQ(WithoutTrailingDotsAndBlanks("sub. \\a.bmp. "), "sub\\a.bmp");
  EXPECT_EQ(WithoutTrailingDotsAndBlanks("a b.bmp"), "a b.bmp");
  EXPECT_EQ(WithoutTrailingDotsAndBlanks("a\x83\x5c.\\x"), "a\x83\x5c\\x") << "the trail byte of ソ is no separator";
}

TEST(FileNames, DeviceNamesInEveryDisguiseAreNoFiles) {
  for (const char* device : {"CON", "nul.bmp", "Aux.txt.bmp", "COM1 .bmp", "lpt9. ", "sub\\PRN.bmp", "CONIN$",
                             "conout$.bmp", "COM1\\a.bmp"}) {
    EXPECT_TRUE(NamesDevice(device)) << device;
    EXPECT_FALSE(IsNameInsideFolder(device)) << device;
  }
  for (const char* file : {"CONSOLE.bmp", "COM10.bmp", "xnul.bmp", "a.con", "LPT.bmp", "\x82\x62ON"}) {
    EXPECT_FALSE(NamesDevice(file)) << file;
  }
}
