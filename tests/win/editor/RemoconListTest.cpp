// The learned-code list: places, capacity, scrolling, and the rows' own buttons.
#include "EditorFixture.h"
#include "winui/Controls.h"

using wintest::BoxRecorder;

namespace {

int TopOf(TRemoconFr& row) {
  RECT r{};
  GetWindowRect(row.Handle(), &r);
  MapWindowPoints(nullptr, GetParent(row.Handle()), reinterpret_cast<POINT*>(&r), 1);
  return r.top;
}

bool ScrollBarShown(HWND window) { return (GetWindowLongPtrW(window, GWL_STYLE) & WS_VSCROLL) != 0; }

}  // namespace

TEST_F(EditorTest, RowsStackScrollAndStopAtTen) {
  Open(9, "    ");
  Choose(2);
  auto& list = dialog->GroupLearned.RemoconBaseFrame;
  for (char c : std::string("123")) list.AddRow(LearnedCode(c));
  EXPECT_EQ(TopOf(list.RowAt(2)), 84);
  EXPECT_FALSE(ScrollBarShown(list.Handle()));  // 126 of 130 pixels
  while (list.AddRow(LearnedCode('4'))) {
  }
  EXPECT_EQ(list.RowCount(), 10);
  EXPECT_TRUE(ScrollBarShown(list.Handle()));
  SendMessageW(list.RowAt(0).Gakusyuu, WM_MOUSEWHEEL, MAKEWPARAM(0, -2 * WHEEL_DELTA), 0);
  EXPECT_EQ(list.ScrollPos(), 84);  // the wheel reaches the list from a row's button
  EXPECT_EQ(TopOf(list.RowAt(2)), 0);
  SetFocus(list.RowAt(9).TestButton);  // as Tab does: the row comes into view
  EXPECT_EQ(list.ScrollPos(), 420 - 130);
  SetFocus(list.RowAt(1).MemoEdit);
  EXPECT_EQ(list.ScrollPos(), 42);
  SendMessageW(list.Handle(), WM_VSCROLL, SB_BOTTOM, 0);
  EXPECT_EQ(list.ScrollPos(), 420 - 130);
  // Removing rows keeps the position within the shorter content.
  while (list.RowCount() > 4) list.RemoveRowAt(0);
  EXPECT_EQ(list.ScrollPos(), 168 - 130);
  list.ClearRows();
  list.ClearRows();
  EXPECT_EQ(list.ScrollPos(), 0);
}

TEST_F(EditorTest, RowButtonsRelearnTestAndDeleteThemselves) {
  sim.Set(L"USBIRSIM_SIGNAL", std::wstring(40, L'D'));
  Open(7, "07  ", {"a\t" + LearnedCode('1'), "b\t" + LearnedCode('2'), "c\t" + LearnedCode('3')});
  auto& list = dialog->GroupLearned.RemoconBaseFrame;
  BoxRecorder boxes({false, true, true});
  Click(list.RowAt(1).Gakusyuu);
  EXPECT_EQ(list.RowAt(1).CodeText(), "    1.50,  120.25," + std::string(40, 'D'));
  EXPECT_EQ(*list.RowAt(1).MemoText(), "b");
  Click(list.RowAt(2).TestButton);
  auto emits = sim.Calls("USBIrEmitData");
  ASSERT_EQ(emits.size(), 1u);
  EXPECT_EQ(emits[0].fields["code"], LearnedCode('3'));

  Click(list.RowAt(1).DelButton);  // No
  Click(list.RowAt(1).DelButton);  // Yes: removed once the click is over
  EXPECT_EQ(list.RowCount(), 3);
  Settle();
  ASSERT_EQ(list.RowCount(), 2);
  EXPECT_EQ(*list.RowAt(1).MemoText(), "c");
  EXPECT_EQ(TopOf(list.RowAt(1)), 42);
  // A removal asked for and overtaken by clearing the list does nothing.
  Click(list.RowAt(0).DelButton);
  list.ClearRows();
  Settle();
  EXPECT_EQ(list.RowCount(), 0);

  // A failed test send is reported with the device layer's message.
  list.AddRow("not a code");
  Click(list.RowAt(0).TestButton);
  ASSERT_EQ(boxes.boxes.size(), 4u);
  EXPECT_EQ(boxes.boxes[3].caption, L"警告");
  EXPECT_FALSE(boxes.boxes[3].text.empty());
  EXPECT_EQ(sim.Calls("USBIrEmitData").size(), 1u);
}
