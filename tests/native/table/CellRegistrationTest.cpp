// The command dialog's window-free rules: reading stored texts into rows, the
// sending options, the send flag and what registration refuses or writes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "table/CellRegistration.h"

namespace {

std::string Learned(char digit) { return "    1.50,  120.25," + std::string(60, digit); }

TEST(CellRegistration, StoredTextsSplitIntoMemoAndCode) {
  struct Case { const char* text; const char* memo; const char* code; };
  const Case cases[] = {
      {"power\tC0DE", "power", "C0DE"},
      {"\tC0DE\tlater", "", "C0DE"},
      {"\t\tC0DE", "", ""},        // only the leading tab is skipped
      {"vol\t\t\tC0DE\tx", "vol", "C0DE"},
      {"no tab at all", "no tab at all", ""},
      {"", "", ""},
  };
  for (const Case& c : cases) {
    LearnedRow row = SplitLearnedText(c.text);
    EXPECT_EQ(row.memo, c.memo) << c.text;
    EXPECT_EQ(row.code, c.code) << c.text;
  }
}

TEST(CellRegistration, SendOptionsTableAndFlag) {
  auto enabled = [](int rows, bool repeat, bool still) {
    SendOptionsEnabled e = EnabledSendOptions(rows, repeat, still);
    return std::string{e.repeat ? 'R' : '-', e.stillStop ? 'S' : '-', e.nextButton ? 'N' : '-'};
  };
  EXPECT_EQ(enabled(0, true, true), "---");
  EXPECT_EQ(enabled(1, false, false), "RS-");
  EXPECT_EQ(enabled(1, true, true), "-S-");
  EXPECT_EQ(enabled(1, false, true), "-S-");
  EXPECT_EQ(enabled(1, true, false), "R--");
  EXPECT_EQ(enabled(2, true, false), "--N");
  EXPECT_EQ(enabled(10, false, true), "--N");

  EXPECT_EQ(ChooseSendFlag(false, false, false, true), InfraredSendFlag::Plain);
  EXPECT_EQ(ChooseSendFlag(true, false, false, false), InfraredSendFlag::HoldUntilStopped);
  EXPECT_EQ(ChooseSendFlag(true, true, false, false), InfraredSendFlag::Repeatable);
  // Repeat ticked with one row, then a second row: NextButton alone decides.
  EXPECT_EQ(ChooseSendFlag(false, true, true, true), InfraredSendFlag::WaitForNext);
  EXPECT_EQ(ChooseSendFlag(false, true, true, false), InfraredSendFlag::Plain);
}

TEST(CellRegistration, RefusalsNameTheRowAndComeInOrder) {
  std::vector<LearnedRow> rows{{"a", Learned('1')}, {"b", "short"}, {"'c", Learned('3')}};
  EXPECT_EQ(CheckLearnedRows(160, rows).refusal, LearnedRefusal::kNoInfraredKey);
  EXPECT_EQ(CheckLearnedRows(159, {}).refusal, LearnedRefusal::kNoRows);
  LearnedVerdict v = CheckLearnedRows(0, rows);
  EXPECT_EQ(v.refusal, LearnedRefusal::kUnlearned);
  EXPECT_EQ(v.row, 1);
  rows[1].code = Learned('2');
  v = CheckLearnedRows(0, rows);
  EXPECT_EQ(v.refusal, LearnedRefusal::kMemoApostrophe);
  EXPECT_EQ(v.row, 2);
  rows[2].memo = "c\td";
  EXPECT_EQ(CheckLearnedRows(0, rows).refusal, LearnedRefusal::kMemoTab);
  rows[2].memo = "c'";
  EXPECT_EQ(CheckLearnedRows(0, rows).refusal, LearnedRefusal::kNone);
  rows.resize(9, LearnedRow{"", Learned('9')});
  EXPECT_EQ(CheckLearnedRows(0, rows).refusal, LearnedRefusal::kNone);
  rows.push_back(LearnedRow{"", Learned('0')});
  EXPECT_EQ(CheckLearnedRows(0, rows).refusal, LearnedRefusal::kTooManyRows);
}

TEST(CellRegistration, WrittenCellReadsBackAsTheSameRows) {
  CButtonInfo cell;
  cell.SetCode(MakeCellCode("G1  "), 26);
  cell.AddText("old");
  std::vector<LearnedRow> rows{{"on", Learned('1')}, {"", Learned('2')}};
  WriteLearnedCodes(cell, InfraredSendFlag::WaitForNext, "tv", rows);
  EXPECT_EQ(CodeText(cell.GetCode()), "1A N");
  EXPECT_EQ(cell.GetMemo(), "tv");
  ASSERT_EQ(cell.GetCount(), 2);
  for (int i = 0; i < 2; ++i) {
    LearnedRow back = SplitLearnedText(cell.GetText(i));
    EXPECT_EQ(back.memo, rows[i].memo);
    EXPECT_EQ(back.code, rows[i].code);
  }
}

TEST(CellRegistration, SixtyTwoExternalProgramsFillTheTable) {
  CPanelTable table;
  ASSERT_TRUE(table.CreateGrid(10, 10, 8, 8));
  for (int i = 0; i < 62; ++i) table.Cell(i).ReplaceCode(ExternalProgramCode());
  EXPECT_TRUE(ExternalProgramFits(table, 61));   // re-registering one of them
  EXPECT_FALSE(ExternalProgramFits(table, 62));  // a 63rd
  table.Cell(0).ReplaceCode(NoneCode());
  EXPECT_TRUE(ExternalProgramFits(table, 62));
}

}  // namespace
