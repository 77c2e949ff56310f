#include <gtest/gtest.h>

#include "SixButtonPanel.h"
#include "commissioning/CommissioningRun.h"

using namespace panel;

using namespace commissioning;

TEST(CommissioningRun, OneStepPerCommandInCellOrder) {
  CPanelTable table = SixButtonPanel();
  const std::vector<Step> steps = PlanSteps(table);
  ASSERT_EQ(steps.size(), 6u);  // cells 1 and 4 have no command

  EXPECT_EQ(steps[0].ordinal, 0);
  EXPECT_EQ(steps[0].action, StepAction::RelayPulse);
  EXPECT_EQ(steps[0].bytesBefore, std::vector<unsigned char>{7 + 32});
  EXPECT_TRUE(steps[0].bytesAfter.empty());
  EXPECT_EQ(steps[0].words, "リレー 7: 1秒間ON");

  EXPECT_EQ(steps[1].action, StepAction::SendInfrared);
  EXPECT_EQ(steps[1].codeTexts, (std::vector<std::string>{kCodeA, kCodeB}));  // row names left out
  EXPECT_TRUE(steps[1].waitForNext);
  EXPECT_FALSE(steps[1].holdUntilStopped);

  EXPECT_EQ(steps[2].action, StepAction::CheckPanelTable);
  EXPECT_EQ(steps[2].fileName, "機器操作B.tbl");
  EXPECT_EQ(steps[3].action, StepAction::CheckProgram);
  EXPECT_EQ(steps[3].commandLine, table.Cell(5).GetCommandText());
  EXPECT_EQ(steps[4].action, StepAction::NoteOnly);

  // A toggled relay is toggled back after the answer, so the run leaves it as it found it.
  EXPECT_EQ(steps[5].ordinal, 7);
  EXPECT_EQ(steps[5].row, 1);
  EXPECT_EQ(steps[5].column, 3);
  EXPECT_EQ(steps[5].action, StepAction::RelayToggle);
  EXPECT_EQ(steps[5].bytesBefore, std::vector<unsigned char>{12});
  EXPECT_EQ(steps[5].bytesAfter, std::vector<unsigned char>{12});
}

TEST(CommissioningRun, HoldsAndFlagsFollowTheHostProgram) {
  CPanelTable table;
  table.CreateGrid(10, 10, 3, 1);
  table.Cell(0).ReplaceCode(MakeCellCode("X3 -"));
  table.Cell(1).ReplaceCode(MakeCellCode("01 -"));
  table.Cell(1).AddText("\t" + kCodeA);
  table.Cell(2).ReplaceCode(MakeCellCode("XZ &"));  // no such relay: noted, nothing sent
  const std::vector<Step> steps = PlanSteps(table);
  ASSERT_EQ(steps.size(), 3u);
  EXPECT_EQ(steps[0].action, StepAction::RelayHold);
  EXPECT_EQ(steps[0].bytesBefore, std::vector<unsigned char>{3});
  EXPECT_EQ(steps[0].bytesAfter, std::vector<unsigned char>{3});
  EXPECT_TRUE(steps[1].holdUntilStopped);
  EXPECT_EQ(steps[2].action, StepAction::NoteOnly);
  EXPECT_TRUE(steps[2].bytesBefore.empty());
}
