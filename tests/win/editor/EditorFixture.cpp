#include "EditorFixture.h"

#include "table/CommandCode.h"
#include "winui/MessagePump.h"

using namespace panel;

void EditorTest::SetUp() {
  ASSERT_TRUE(sim.Ready());
  ASSERT_EQ(options.InitIrDevice(), 0);
  ASSERT_TRUE(table.CreateGrid(10, 10, 10, 20));
}

void EditorTest::TearDown() {
  dialog.reset();
}

void EditorTest::Open(int ordinal, const std::string& code, std::initializer_list<std::string> texts) {
  cell = &table.Cell(ordinal);
  cell->ReplaceCode(MakeCellCode(code));
  cell->ClearTexts();
  for (const std::string& text : texts) cell->AddText(text);
  dialog = std::make_unique<winui::Owned<TEditCommandFm>>(options);
  ASSERT_TRUE(dialog->CreateForm(nullptr));
  dialog->SetPanelTable(table);
  dialog->LoadCell(*cell);
  ShowWindow(dialog->Handle(), SW_SHOW);
}

void EditorTest::Choose(int kindIndex) {
  SendMessageW(dialog->Command, CB_SETCURSEL, kindIndex, 0);
  SendMessageW(dialog->Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(dialog->Command), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(dialog->Command));
}

std::string EditorTest::Cell() const {
  std::string s = CodeText(cell->GetCode()) + "|" + cell->GetMemo();
  for (int i = 0; i < cell->GetCount(); ++i) s += "|" + cell->GetText(i);
  return s;
}

void EditorTest::Settle() {
  winui::PumpUntil([] { return false; }, 50);
}
