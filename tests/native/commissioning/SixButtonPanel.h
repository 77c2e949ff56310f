#pragma once
// A 4 x 2 panel of 40 x 30 buttons: one button of each kind and two without a command.
//   0 relay 7, one second     1 (none)               2 learned, 2 codes, wait   3 panel switch B
//   4 (none)                  5 external program     6 close                    7 relay 12, toggle
#include <string>

#include "table/PanelTable.h"

inline const std::string kCodeA = "    1.50,  120.25,0AFF";
inline const std::string kCodeB = "    2.00,   80.00,1234";

inline panel::CPanelTable SixButtonPanel() {
  panel::CPanelTable table;
  table.SetTablePath("C:\\work\\機器操作A.tbl");
  table.SetBitmapName("機器操作A.bmp");
  table.CreateGrid(40, 30, 4, 2);
  table.Cell(0).ReplaceCode(panel::MakeCellCode("X7 &"));
  table.Cell(2).ReplaceCode(panel::MakeCellCode("02 N"));
  table.Cell(2).AddText("'テレビ");
  table.Cell(2).AddText("電源\t" + kCodeA);
  table.Cell(2).AddText("\t" + kCodeB);
  table.Cell(3).ReplaceCode(panel::MakeCellCode("GB"));
  table.Cell(5).ReplaceCode(panel::MakeCellCode("R0"));
  table.Cell(5).SetCommandText("\"C:\\Program Files\\メモ帳.exe\" /a <b>");
  table.Cell(6).ReplaceCode(panel::MakeCellCode("Q"));
  table.Cell(7).ReplaceCode(panel::MakeCellCode("XC"));
  return table;
}
