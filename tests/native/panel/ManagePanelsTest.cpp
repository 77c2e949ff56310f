#include "table/ManagePanels.h"

#include <gtest/gtest.h>

#include <utility>

#include "../FoldingFileNames.h"
#include "table/PublishHistory.h"
#include "table/TableFileReader.h"

using namespace panel;

namespace {

const FoldingFileNames kNames;

struct Yes : IAskUser {
  bool AskYesNo(const std::string&, const std::string&) override { return true; }
};

// A 3 x 2 panel switching to B and b, with a learned code, a program, a foreign
// cell and a section the editor does not know: the copy must keep them all.
const std::string kSource =
    "sub\\panel.bmp\r\n40,30,3,2\r\n"
    "GB  03 NR9  \r\n"
    "Gb  ZZ  Q   \r\n"
    "\r\n<ソラミトリモコンデータ>\r\n    03='テレビ\r\n    03=電源\t  12.50,   3.00,A0FF\r\n\r\n"
    "<END>\r\n\r\n<外部コマンド>\r\n9=notepad.exe\r\n<END>\r\n<other>\r\nkept\r\n";

TEST(ManagePanels, DuplicateNamesItsOwnBitmapAndKeepsEverythingElse) {
  const std::optional<DuplicatePlan> plan = PlanDuplicate(kSource, 'C', kNames);
  ASSERT_TRUE(plan);
  EXPECT_EQ(plan->bitmapFrom, "sub\\panel.bmp");
  EXPECT_EQ(plan->bitmapTo, "機器操作C.bmp");
  EXPECT_TRUE(plan->copyBitmap);
  EXPECT_EQ(plan->tableBytes, "機器操作C.bmp" + kSource.substr(kSource.find('\r')));

  CPanelTable original, copy;
  Yes yes;
  ASSERT_EQ(ReadTableBytes(original, kSource, "w\\機器操作A.tbl", yes), "");
  ASSERT_EQ(ReadTableBytes(copy, plan->tableBytes, "w\\機器操作C.tbl", yes), "");
  EXPECT_EQ(copy.BitmapName(), "機器操作C.bmp");
  EXPECT_EQ(std::pair(copy.Columns(), copy.Rows()), std::pair(original.Columns(), original.Rows()));
  EXPECT_EQ(std::pair(copy.CellWidth(), copy.CellHeight()), std::pair(original.CellWidth(), original.CellHeight()));
  for (int i = 0; i < original.CellCount(); ++i) {
    EXPECT_EQ(CodeText(copy.Cell(i).GetCode()), CodeText(original.Cell(i).GetCode())) << i;
    EXPECT_EQ(copy.Cell(i).GetMemo(), original.Cell(i).GetMemo()) << i;
    EXPECT_EQ(copy.Cell(i).GetCommandText(), original.Cell(i).GetCommandText()) << i;
  }
  EXPECT_EQ(copy.Cell(1).GetText(0), "電源\t  12.50,   3.00,A0FF");

  // A table already naming the duplicate's bitmap shares it instead of copying it onto itself.
  EXPECT_FALSE(PlanDuplicate("機器操作c.BMP.\r\n1,1,1,1\r\n    \r\n", 'C', kNames)->copyBitmap);
  EXPECT_FALSE(PlanDuplicate("..\\x.bmp\r\n1,1,1,1\r\n", 'C', kNames));
  EXPECT_FALSE(PlanDuplicate("no line end", 'C', kNames));
  EXPECT_FALSE(PlanDuplicate("\r\n1,1,1,1\r\n", 'C', kNames));
}

TEST(ManagePanels, DeleteKeepsASharedBitmapAndNamesTheTablesSwitchingHere) {
  const FolderTable source = DescribeTable("機器操作A.tbl", kSource);
  EXPECT_EQ(source.bitmapName, "sub\\panel.bmp");
  EXPECT_EQ(source.switchesTo, (std::vector<char>{'B', 'b'}));
  const std::vector<FolderTable> folder = {
      source,
      DescribeTable("機器操作B.tbl", "SUB\\Panel.bmp \r\n1,1,1,1\r\nGA  \r\n"),
      DescribeTable("機器操作C.tbl", "c.bmp\r\n1,1,2,1\r\nGA  GB  \r\n"),
      DescribeTable("機器操作D.tbl", "d.bmp\r\ndamaged"),
  };
  DeletePlan plan = PlanDelete(folder, "機器操作A.tbl", kNames);
  EXPECT_EQ(plan.bitmapName, "sub\\panel.bmp");
  EXPECT_FALSE(plan.removeBitmap);
  EXPECT_EQ(plan.bitmapUsers, std::vector<std::string>{"機器操作B.tbl"});
  EXPECT_EQ(plan.switchingHere, (std::vector<std::string>{"機器操作B.tbl", "機器操作C.tbl"}));

  // B is switched to by A (as B and as b: one file to the system) and by C.
  plan = PlanDelete(folder, "機器操作B.tbl", kNames);
  EXPECT_FALSE(plan.removeBitmap);
  EXPECT_EQ(plan.switchingHere, (std::vector<std::string>{"機器操作A.tbl", "機器操作C.tbl"}));

  plan = PlanDelete(folder, "機器操作D.tbl", kNames);
  EXPECT_TRUE(plan.removeBitmap);
  EXPECT_EQ(plan.bitmapName, "d.bmp");
  EXPECT_TRUE(plan.switchingHere.empty());

  // A bitmap outside the folder, or none, is never removed.
  plan = PlanDelete({DescribeTable("機器操作E.tbl", "..\\e.bmp\r\n")}, "機器操作E.tbl", kNames);
  EXPECT_FALSE(plan.removeBitmap);
  EXPECT_EQ(plan.bitmapName, "");
}

TEST(PublishHistory, EntriesReadAsDateAndTime) {
  EXPECT_EQ(HistoryEntryLabel("20261208-053012"), "2026/12/08 05:30:12");
  EXPECT_EQ(HistoryEntryLabel("20261208-053012-2"), "2026/12/08 05:30:12 (2)");
  EXPECT_EQ(HistoryEntryLabel("notes"), "");
}

}  // namespace
