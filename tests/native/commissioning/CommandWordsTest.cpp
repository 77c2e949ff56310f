#include <gtest/gtest.h>

#include "SixButtonPanel.h"
#include "table/CommandWords.h"

using namespace panel;

TEST(CommandWords, EachKindInPlainWords) {
  CPanelTable table = SixButtonPanel();
  EXPECT_EQ(DescribeCommand(table.Cell(0)), "リレー 7: 1秒間ON");
  EXPECT_EQ(DescribeCommand(table.Cell(1)), "なし");
  EXPECT_EQ(DescribeCommand(table.Cell(2)), "学習リモコン 2件 (次の送信を待つ) 「テレビ」");
  EXPECT_EQ(DescribeCommand(table.Cell(3)), "パネル切替: 機器操作B.tbl");
  EXPECT_EQ(DescribeCommand(table.Cell(5)), "外部プログラム: \"C:\\Program Files\\メモ帳.exe\" /a <b>");
  EXPECT_EQ(DescribeCommand(table.Cell(6)), "閉じる");
  EXPECT_EQ(DescribeCommand(table.Cell(7)), "リレー 12: ON/OFF切替");  // relays above 9 are letters in the code

  CButtonInfo cell;
  cell.ReplaceCode(MakeCellCode("XV -"));
  EXPECT_EQ(DescribeCommand(cell), "リレー 31: クリックまでそのまま");
  cell.ReplaceCode(MakeCellCode("XW &"));
  EXPECT_EQ(DescribeCommand(cell), "リレー 番号不正");
  cell.ReplaceCode(MakeCellCode("9F +"));
  cell.AddText("\t" + kCodeA);
  EXPECT_EQ(DescribeCommand(cell), "学習リモコン 1件 (繰り返し)");
  cell.ReplaceCode(MakeCellCode("9F -"));
  EXPECT_EQ(DescribeCommand(cell), "学習リモコン 1件 (押しっぱなし)");
  // Half of a double-byte character must not swallow the rest of the status line.
  cell.ReplaceCode(MakeCellCode("Z\x83 x"));
  EXPECT_EQ(DescribeCommand(cell), "不明なコード: Z? x");
}
