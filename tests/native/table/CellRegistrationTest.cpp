// The command dialog's window-free rules: reading stored texts into rows, the
// sending options, the send flag and the limit of external programs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "table/CellRegistration.h"

using namespace panel;

namespace {

TEST(CellRegistration, StoredTextsSplitIntoMemoAndCode) {
  struct Case { const char* text; const char* memo; const char* code; };
  const Case cases[] = {
      {"\tC0DE\tlater", "", "C0DE"},
      {"\t\tC0DE", "", ""},        // only the leading tab is skipped
      {"vol\t\t\tC0DE\tx", "vol", "C0DE"},
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
  EXPECT_EQ(enabled(1, true, false), "R--");
  EXPECT_EQ(enabled(2, true, false), "--N");

  EXPECT_EQ(ChooseSendFlag(false, false, false, true), InfraredSendFlag::Plain);
  EXPECT_EQ(ChooseSendFlag(true, false, false, false), InfraredSendFlag::HoldUntilStopped);
  EXPECT_EQ(ChooseSendFlag(true, true, false, false), InfraredSendFlag::Repeatable);
  // Repeat ticked with one row, then a second row: NextButton alone decides.
  EXPECT_EQ(ChooseSendFlag(false, true, true, true), InfraredSendFlag::WaitForNext);
  EXPECT_EQ(ChooseSendFlag(false, true, true, false), InfraredSendFlag::Plain);
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
