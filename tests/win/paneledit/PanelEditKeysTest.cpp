// The edit window without a mouse: keys through the program's own message
// dispatch, with the modifier keys set in the thread's keyboard state.
#include <windows.h>

#include <gtest/gtest.h>

#include "PanelEditFixture.h"
#include "editor/EditCommandFm.h"
#include "editor/InputStringFm.h"
#include "winui/Controls.h"
#include "winui/MessagePump.h"

using namespace panel;

using paneledit_test::At;
using paneledit_test::PanelEdit;
using storage_test::BoxRecorder;

namespace {

class PanelKeys : public PanelEdit {
 protected:
  void Press(UINT key, bool control = false, bool shift = false) {
    wintest::PressKey(Window(), key, (control ? wintest::kControl : 0) | (shift ? wintest::kShift : 0));
  }
  int FramedOrdinal() const {
    const auto cell = window_->FramedCell();
    return cell ? cell->row * table_.Columns() + cell->column : -1;
  }
  std::wstring Status() const { return winui::GetText(window_->StatusLabel); }
};

TEST_F(PanelKeys, ArrowsMoveTheFrameWithinTheGridAndTheStatusFollows) {
  Open(40, 30, 3, 2);
  table_.Cell(4).ReplaceCode(MakeCellCode("X7 &"));
  EXPECT_EQ(FramedOrdinal(), -1);
  EXPECT_NE(Status().find(L"矢印キー"), std::wstring::npos);  // how to start, while nothing is framed
  SetFocus(window_->SaveButton);
  Press(VK_LEFT);  // the first press only frames the current cell
  EXPECT_EQ(FramedOrdinal(), 0);
  EXPECT_EQ(GetFocus(), Window());  // back on the panel
  EXPECT_EQ(Status(), L"ボタン1（1行目・1列目）：なし");
  Press(VK_LEFT);
  Press(VK_UP);
  EXPECT_EQ(FramedOrdinal(), 0);  // stops at the edges
  for (int i = 0; i < 4; ++i) Press(VK_RIGHT);
  EXPECT_EQ(FramedOrdinal(), 2);
  Press(VK_DOWN);
  Press(VK_DOWN);
  EXPECT_EQ(FramedOrdinal(), 5);
  Press(VK_LEFT);
  EXPECT_EQ(Status(), L"ボタン5（2行目・2列目）：リレー 7: 1秒間ON");
  // The pointer takes the frame where it goes, and the status once it rests
  // there (the real pointer kept off the window while messages are pumped).
  SetCursorPos(0, 0);
  SendMessageW(Window(), WM_MOUSEMOVE, 0, At(5, 5));
  EXPECT_EQ(FramedOrdinal(), 0);
  EXPECT_TRUE(winui::PumpUntil([&] { return Status() == L"ボタン1（1行目・1列目）：なし"; }, 5000));
}

TEST_F(PanelKeys, EnterAndShiftF10ActOnTheFramedCellCtrlSSaves) {
  Open(40, 30, 3, 2);
  SendMessageW(Window(), WM_MOUSEMOVE, 0, At(45, 5));  // cell 1
  int edited = -1;
  winui::ScopedModalHook command(TEditCommandFm::kClassName, [&](winui::Form& form) {
    for (int i = 0; i < table_.CellCount(); ++i) {
      if (&table_.Cell(i) == static_cast<TEditCommandFm&>(form).LoadedCell()) edited = i;
    }
    form.SetModalResult(winui::ModalResult::Cancel);
  });
  int stamps = 0;
  winui::ScopedModalHook input(TInputStringFm::kClassName, [&](winui::Form& form) {
    ++stamps;
    form.SetModalResult(winui::ModalResult::Cancel);
  });
  Press(VK_DOWN);  // cell 4
  Press(VK_RETURN);
  EXPECT_EQ(edited, 4);
  Press(VK_F10, false, true);
  Press(VK_APPS);
  EXPECT_EQ(stamps, 2);
  EXPECT_EQ(FramedOrdinal(), 4);  // still framed after the string input

  SetFocus(window_->TyuusiButton);
  edited = -1;
  {
    BoxRecorder boxes({true});  // Enter on a bar button is that button's: キャンセル asks
    window_->Modified = true;
    Press(VK_RETURN);
    EXPECT_EQ(edited, -1);
    EXPECT_EQ(boxes.Lines(), std::vector<std::wstring>{L"注意|キャンセルして良いですか？|YesNo"});
  }
}

TEST_F(PanelKeys, CtrlSSavesAndF5StartsTheCommissioningRun) {
  Open(40, 30, 3, 2);
  window_->Modified = true;
  BoxRecorder boxes({false});  // not published
  Press('S', true);
  EXPECT_FALSE(window_->Modified);
  EXPECT_EQ(Status().find(L"（未保存）"), std::wstring::npos);
  EXPECT_TRUE(storage_test::Exists(folder_ / L"機器操作A.tbl"));
  Press(VK_F5);  // an empty panel has nothing to try
  EXPECT_EQ(boxes.Lines(), (std::vector<std::wstring>{L"注意|クロヴァンに反映させますか？|YesNo",
                                                       L"警告|命令のあるボタンがありません。"}));
}

TEST_F(PanelKeys, CopyOnOnePanelPastesOnTheNextWithItsOwnKey) {
  CommandClipboard clipboard;
  Open(40, 30, 3, 2);
  window_->Clipboard = &clipboard;
  table_.Cell(0).ReplaceCode(MakeCellCode("00 +"));
  table_.Cell(0).AddText("'TV");
  table_.Cell(0).AddText("\t    1.50,  120.25,0102030405");
  Press(VK_RIGHT);  // frames cell 0
  Press('C', true);
  window_.reset();

  Open(40, 30, 3, 2);  // the next panel, opened in the same run
  window_->Clipboard = &clipboard;
  ASSERT_EQ(CodeText(table_.Cell(0).GetCode()), "    ");
  Press(VK_RIGHT);
  Press(VK_RIGHT);  // cell 1
  EXPECT_FALSE(window_->Modified);
  Press('V', true);
  EXPECT_TRUE(window_->Modified);
  EXPECT_EQ(CodeText(table_.Cell(1).GetCode()), "01 +");
  EXPECT_EQ(table_.Cell(1).GetCount(), 1);
  EXPECT_EQ(Status().find(L"（未保存）ボタン2（1行目・2列目）：学習リモコン 1件"), 0u);
}

}  // namespace
