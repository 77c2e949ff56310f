// The panel edit window driven by messages: which cell the pointer frames and
// a click addresses, what it repaints, stamping, and when unsaved work is kept.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>

#include "PanelEditFixture.h"
#include "editor/EditCommandFm.h"
#include "editor/InputStringFm.h"
#include "winui/Controls.h"
#include "winui/MessagePump.h"

using namespace panel;

using storage_test::BoxRecorder;

using paneledit_test::At;
using paneledit_test::kRed;
using paneledit_test::kWhite;
using paneledit_test::PanelEdit;

namespace {

TEST_F(PanelEdit, ClicksActOnTheCellLastFramedAndNeverBeyondTheGrid) {
  Open(40, 30, 3, 2);
  int opened = 0;
  int loadedOrdinal = -1;
  winui::ScopedModalHook hook(TEditCommandFm::kClassName, [&](winui::Form& form) {
    ++opened;
    loadedOrdinal = table_.CellCount();
    for (int i = 0; i < table_.CellCount(); ++i) {
      if (&table_.Cell(i) == static_cast<TEditCommandFm&>(form).LoadedCell()) loadedOrdinal = i;
    }
    form.SetModalResult(winui::ModalResult::Cancel);
  });
  Click(WM_LBUTTONDOWN, 100, 50);  // before any movement: the top-left cell
  EXPECT_EQ(loadedOrdinal, 0);
  SendMessageW(Window(), WM_MOUSEMOVE, 0, At(45, 35));
  EXPECT_EQ(Shown(41, 31), kRed);   // two-pixel frame inside cell 4
  EXPECT_EQ(Shown(42, 32), kWhite);
  Click(WM_LBUTTONDOWN, 5, 5);      // lands on cell 0, acts on cell 4
  EXPECT_EQ(loadedOrdinal, 4);
  EXPECT_FALSE(window_->Modified);  // cancelled

  SendMessageW(Window(), WM_MOUSEMOVE, 0, At(120, 10));  // the bitmap's extra column
  EXPECT_FALSE(window_->HoverCell());
  EXPECT_EQ(Shown(41, 31), kWhite);
  Click(WM_LBUTTONDOWN, 120, 10);
  Click(WM_RBUTTONDOWN, 120, 10);
  EXPECT_EQ(opened, 2);

  // A picture narrower than the bar's buttons: the window is as wide as the bar, the strip beside the picture no cell.
  RECT client{};
  GetClientRect(Window(), &client);
  EXPECT_EQ(client.right, 183);
  SendMessageW(Window(), WM_MOUSEMOVE, 0, At(160, 10));
  EXPECT_FALSE(window_->HoverCell());
}

TEST_F(PanelEdit, HoverRepaintsOnlyTheOldAndTheNewCell) {
  Open(80, 80, 24, 10);
  SendMessageW(Window(), WM_MOUSEMOVE, 0, At(100, 100));
  const long long start = window_->HoverPixelsDrawn();
  SendMessageW(Window(), WM_MOUSEMOVE, 0, At(150, 150));  // same cell: nothing
  EXPECT_EQ(window_->HoverPixelsDrawn(), start);
  constexpr int kChanges = 20;
  const int texts = window_->TextsSet();
  for (int i = 1; i <= kChanges; ++i) SendMessageW(Window(), WM_MOUSEMOVE, 0, At(100 + 80 * (i % 20), 100 + 80 * (i % 7)));
  const long long perChange = (window_->HoverPixelsDrawn() - start) / kChanges;
  std::printf("hover on 24 x 10 cells of 80 x 80: %lld pixels drawn per cell change; whole bitmap %d;"
              " status line set %d times in %d changes\n",
              perChange, window_->PanelImage().Width() * window_->PanelImage().Height(), window_->TextsSet() - texts,
              kChanges);
  EXPECT_LE(perChange, 2 * 80 * 80);
  // The status line waits until the pointer rests (what it then says: PanelKeys).
  EXPECT_EQ(window_->TextsSet(), texts);
  EXPECT_TRUE(winui::PumpUntil([&] { return window_->TextsSet() > texts; }, 5000));
}

TEST_F(PanelEdit, APanelLargerThanTheScreenScrollsBothWaysWithinItsPicture) {
  Open(100, 100, 40, 30);
  // Inside the work area, the bar and all its buttons in sight.
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(Window(), MONITOR_DEFAULTTOPRIMARY), &monitor);
  RECT outer{}, clip{};
  GetWindowRect(Window(), &outer);
  EXPECT_TRUE(EqualRect(&outer, &monitor.rcWork));
  EXPECT_TRUE(GetWindowLongPtrW(Window(), GWL_STYLE) & WS_HSCROLL);
  EXPECT_TRUE(GetWindowLongPtrW(Window(), GWL_STYLE) & WS_VSCROLL);
  for (HWND button : {window_->SaveButton, window_->SaveQuit, window_->TyuusiButton, window_->CheckButton}) {
    RECT r{};
    GetWindowRect(button, &r);
    EXPECT_TRUE(IntersectRect(&clip, &r, &monitor.rcWork) && EqualRect(&clip, &r)) << winui::GetText(button);
  }
  SendMessageW(Window(), WM_HSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(GetScrollPos(Window(), SB_HORZ), 40);
  SendMessageW(Window(), WM_VSCROLL, SB_BOTTOM, 0);
  SCROLLINFO bar{sizeof bar, SIF_ALL, 0, 0, 0, 0, 0};
  GetScrollInfo(Window(), SB_VERT, &bar);
  EXPECT_EQ(bar.nPos, bar.nMax - static_cast<int>(bar.nPage) + 1);  // the last page, not past it
  SendMessageW(Window(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
  EXPECT_EQ(GetScrollPos(Window(), SB_VERT), bar.nPos - 40);
  SendMessageW(Window(), WM_MOUSEMOVE, 0, At(70, 70));  // the pointer addresses the scrolled picture
  EXPECT_EQ(window_->HoverCell(), (GridCell{1, (70 + bar.nPos - 40) / 100}));
}

TEST_F(PanelEdit, StampDrawsIntoThePictureAndCountsAsUnsavedWork) {
  Open(40, 30, 3, 2);
  SendMessageW(Window(), WM_MOUSEMOVE, 0, At(45, 35));
  winui::ScopedModalHook input(TInputStringFm::kClassName, [](winui::Form& form) {
    auto& dialog = static_cast<TInputStringFm&>(form);
    winui::SetText(dialog.VString, L"TV");
    SendMessageW(dialog.Button1, BM_CLICK, 0, 0);
  });
  Click(WM_RBUTTONDOWN, 45, 35);
  int inked = 0;
  for (int y = 30; y < 60; ++y) {
    for (int x = 40; x < 80; ++x) inked += window_->PanelImage().PixelAt(x, y) != kWhite;
  }
  EXPECT_GT(inked, 0);
  EXPECT_EQ(window_->PanelImage().PixelAt(41, 31), kWhite);  // from (+2, +2) on; the frame is not in the picture
  EXPECT_EQ(window_->PanelImage().PixelAt(10, 10), kWhite);
  EXPECT_EQ(Shown(41, 31), kWhite);                            // the repaint took the frame away
  EXPECT_TRUE(window_->Modified);
  EXPECT_EQ(winui::GetText(Window()), L"機器操作A.tbl * - パネル編集");

  BoxRecorder boxes({false});  // キャンセル asks; No keeps the window
  SendMessageW(window_->TyuusiButton, BM_CLICK, 0, 0);
  window_->Close();  // the title bar asks the same
  ASSERT_EQ(boxes.Lines().size(), 2u);
  EXPECT_EQ(boxes.Lines()[0], L"注意|キャンセルして良いですか？|YesNo");
  EXPECT_TRUE(IsWindow(Window()));
}

TEST_F(PanelEdit, OnlyASuccessfulSaveClearsModifiedOrCloses) {
  Open(40, 30, 3, 2);
  window_->Modified = true;
  const auto workFolder = window_->Folders.work;
  window_->Folders.work = [](HWND) { return std::string(); };  // no work folder: nothing saved
  {
    BoxRecorder boxes;
    SendMessageW(window_->SaveButton, BM_CLICK, 0, 0);
    SendMessageW(window_->SaveQuit, BM_CLICK, 0, 0);
  }
  EXPECT_TRUE(window_->Modified);
  EXPECT_TRUE(IsWindow(Window()));

  window_->Folders.work = workFolder;
  BoxRecorder boxes({false});  // not published
  SendMessageW(window_->SaveButton, BM_CLICK, 0, 0);
  EXPECT_FALSE(window_->Modified);
  EXPECT_EQ(winui::GetText(Window()), L"機器操作A.tbl - パネル編集");
  EXPECT_EQ(boxes.Lines(), std::vector<std::wstring>{L"注意|クロヴァンに反映させますか？|YesNo"});
  EXPECT_TRUE(storage_test::Exists(folder_ / L"機器操作A.tbl"));
  SendMessageW(window_->TyuusiButton, BM_CLICK, 0, 0);  // saved: closes without asking
  EXPECT_FALSE(IsWindow(Window()));
}

}  // namespace
