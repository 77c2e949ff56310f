#include <gtest/gtest.h>

#include "SixButtonPanel.h"
#include "table/CommandClipboard.h"

using namespace panel;

namespace {

const std::string kNoKey = "学習リモコンの命令は、番号が160以上のボタンには貼り付けられません。";
const std::string kTooMany = "外部プログラムの実行は1つのパネルに62個までです。これ以上は貼り付けられません。";

}  // namespace

TEST(CommandPaste, LearnedRemoteTakesTheTargetsKeyWithTextsFlagAndMemo) {
  CPanelTable table = SixButtonPanel();
  table.Cell(4).ReplaceCode(MakeCellCode("X1 &"));
  table.Cell(4).AddText("'stale");
  EXPECT_EQ(PasteCommand(CopyCommand(table.Cell(2)), table, 4), "");
  const CButtonInfo& cell = table.Cell(4);
  EXPECT_EQ(CodeText(cell.GetCode()), "04 N");
  EXPECT_EQ(cell.GetIndex(), 4);
  EXPECT_EQ(cell.GetMemo(), "テレビ");
  ASSERT_EQ(cell.GetCount(), 2);
  EXPECT_EQ(cell.GetText(0), "電源\t" + kCodeA);
  EXPECT_EQ(cell.GetText(1), "\t" + kCodeB);
  // Other kinds replace the code and leave no texts behind.
  EXPECT_EQ(PasteCommand(CopyCommand(table.Cell(7)), table, 4), "");
  EXPECT_EQ(CodeText(table.Cell(4).GetCode()), "XC  ");
  EXPECT_EQ(table.Cell(4).GetCount(), 0);
  EXPECT_EQ(table.Cell(4).GetMemo(), "");
}

TEST(CommandPaste, RefusesWhatTheTableCannotHold) {
  CPanelTable big;
  big.CreateGrid(10, 10, 16, 11);  // ordinals 0..175
  big.Cell(3).ReplaceCode(MakeCellCode("03 +"));
  big.Cell(3).AddText("a\t" + kCodeA);
  EXPECT_EQ(PasteCommand(CopyCommand(big.Cell(3)), big, 159), "");
  EXPECT_EQ(CodeText(big.Cell(159).GetCode()), "9F +");
  EXPECT_EQ(PasteCommand(CopyCommand(big.Cell(3)), big, 160), kNoKey);
  EXPECT_EQ(CodeText(big.Cell(160).GetCode()), "    ");

  CButtonInfo program;
  program.ReplaceCode(ExternalProgramCode());
  program.SetCommandText("'quoted.exe");  // an apostrophe first is a command line, not a memo
  for (int i = 0; i < 62; ++i) ASSERT_EQ(PasteCommand(CopyCommand(program), big, i), "") << i;
  EXPECT_EQ(big.Cell(61).GetCommandText(), "'quoted.exe");
  EXPECT_EQ(PasteCommand(CopyCommand(program), big, 62), kTooMany);
  EXPECT_EQ(CodeText(big.Cell(62).GetCode()), "    ");
  EXPECT_EQ(PasteCommand(CopyCommand(program), big, 61), "");  // onto one of the 62 itself: still 62
}

TEST(CommandPaste, ClipboardCarriesACommandToTheNextPanel) {
  CommandClipboard clipboard;
  CPanelTable first = SixButtonPanel();
  CPanelTable second = SixButtonPanel();
  EXPECT_EQ(clipboard.Paste(second, 1), "コピーしたボタンがありません。");
  EXPECT_FALSE(clipboard.HasCommand());
  clipboard.Copy(first.Cell(2));
  first.Cell(2).ClearTexts();  // the copy is the clipboard's own
  EXPECT_EQ(clipboard.Paste(second, 7), "");
  EXPECT_EQ(CodeText(second.Cell(7).GetCode()), "07 N");
  EXPECT_EQ(second.Cell(7).GetCount(), 2);
  EXPECT_EQ(clipboard.Paste(second, 1), "");  // pasted again, with its own key
  EXPECT_EQ(CodeText(second.Cell(1).GetCode()), "01 N");
}
