// The edit window for people who use a screen reader, high contrast or a
// large display scale: its surface read in-process as a client reads it.
#include <windows.h>

#include <oleacc.h>
#include <gtest/gtest.h>

#include <vector>

#include "PanelEditFixture.h"
#include "editor/EditCommandFm.h"
#include "table/CommandCode.h"
#include "winui/ComApartment.h"
#include "winui/Contrast.h"
#include "winui/MessagePump.h"

using namespace panel;

using paneledit_test::At;
using paneledit_test::PanelEdit;

namespace {

std::vector<LONG> focusEvents;  // child ids, as the system delivers them

void CALLBACK OnFocusEvent(HWINEVENTHOOK, DWORD, HWND, LONG objectId, LONG childId, DWORD, DWORD) {
  if (objectId == OBJID_CLIENT) focusEvents.push_back(childId);
}

VARIANT Child(LONG id) {
  VARIANT child{};
  child.vt = VT_I4;
  child.lVal = id;
  return child;
}

std::wstring Read(HRESULT (STDMETHODCALLTYPE IAccessible::*property)(VARIANT, BSTR*), IAccessible& object, LONG id) {
  BSTR text = nullptr;
  if ((object.*property)(Child(id), &text) != S_OK || !text) return L"(none)";
  std::wstring result(text, SysStringLen(text));
  SysFreeString(text);
  return result;
}

TEST_F(PanelEdit, TheSurfaceReadsAsItsButtonsAndTellsWhereTheFrameGoes) {
  const winui::ComApartment com;
  Open(40, 30, 3, 2);
  table_.Cell(4).ReplaceCode(MakeCellCode("X7 &"));
  IAccessible* surface = nullptr;
  ASSERT_EQ(AccessibleObjectFromWindow(Window(), static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                       reinterpret_cast<void**>(&surface)),
            S_OK);
  LONG count = 0;
  EXPECT_EQ(surface->get_accChildCount(&count), S_OK);
  EXPECT_EQ(count, 6);

  focusEvents.clear();
  HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS, nullptr, OnFocusEvent,
                                       GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
  SendMessageW(Window(), WM_MOUSEMOVE, 0, At(45, 35));  // cell 4, child 5
  EXPECT_TRUE(winui::PumpUntil([] { return !focusEvents.empty(); }, 5000));
  UnhookWinEvent(hook);
  EXPECT_EQ(focusEvents, std::vector<LONG>{5});

  EXPECT_EQ(Read(&IAccessible::get_accName, *surface, 5), L"ボタン5（2行目・2列目）");
  EXPECT_EQ(Read(&IAccessible::get_accDescription, *surface, 5), L"リレー 7: 1秒間ON");
  VARIANT state{};
  EXPECT_EQ(surface->get_accState(Child(5), &state), S_OK);
  EXPECT_TRUE(state.lVal & STATE_SYSTEM_SELECTED);
  LONG left = 0, top = 0, width = 0, height = 0;
  EXPECT_EQ(surface->accLocation(&left, &top, &width, &height, Child(5)), S_OK);
  POINT cell{40, 30};
  ClientToScreen(Window(), &cell);
  EXPECT_EQ((std::vector<LONG>{left, top, width, height}), (std::vector<LONG>{cell.x, cell.y, 40, 30}));
  VARIANT hit{};
  EXPECT_EQ(surface->accHitTest(cell.x + 39, cell.y - 1, &hit), S_OK);  // the cell above: 1
  EXPECT_EQ(hit.lVal, 2);
  surface->Release();
}

// At 144 dpi the bar grows by half, the picture keeps its pixels; zoomed, each
// of its pixels is two by two, and the pointer still finds the cell it is on.
TEST_F(PanelEdit, AtLargerScaleAndZoomThePointerHitsTheCellItShows) {
  Open(40, 30, 3, 2);
  RECT frame{};
  GetWindowRect(Window(), &frame);
  SendMessageW(Window(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&frame));
  RECT client{}, bar{};
  GetClientRect(Window(), &client);
  GetClientRect(window_->Panel1.Handle(), &bar);
  EXPECT_EQ(bar.bottom, 147);
  EXPECT_EQ(client.bottom, 61 + 147);
  SendMessageW(Window(), WM_MOUSEMOVE, 0, At(119, 60));  // the bitmap's extra row: no cell
  EXPECT_FALSE(window_->HoverCell());
  SendMessageW(Window(), WM_MOUSEMOVE, 0, At(119, 59));
  EXPECT_EQ(window_->HoverCell(), (GridCell{2, 1}));

  window_->SetZoom(2);
  GetClientRect(Window(), &client);
  EXPECT_EQ(client.bottom, 122 + 147);
  SendMessageW(Window(), WM_MOUSEMOVE, 0, At(79, 59));
  EXPECT_EQ(window_->HoverCell(), (GridCell{0, 0}));
  EXPECT_EQ(Shown(79, 59), paneledit_test::kRed);  // the frame on the cell's last view pixel
  SendMessageW(Window(), WM_MOUSEMOVE, 0, At(80, 60));
  EXPECT_EQ(window_->HoverCell(), (GridCell{1, 1}));
  int edited = -1;
  winui::ScopedModalHook command(TEditCommandFm::kClassName, [&](winui::Form& form) {
    edited = static_cast<int>(static_cast<TEditCommandFm&>(form).LoadedCell() - &table_.Cell(0));
    form.SetModalResult(winui::ModalResult::Cancel);
  });
  Click(WM_LBUTTONDOWN, 80, 60);
  EXPECT_EQ(edited, 4);
}

TEST_F(PanelEdit, InHighContrastTheFrameAndTheBarTakeTheThemesColours) {
  const winui::ScopedHighContrast contrast;
  Open(40, 30, 3, 2);
  SendMessageW(Window(), WM_MOUSEMOVE, 0, At(45, 5));
  EXPECT_EQ(Shown(40, 0), GetSysColor(COLOR_HIGHLIGHT));
  EXPECT_EQ(window_->Panel1.BackgroundColor(), GetSysColor(COLOR_BTNFACE));
}

}  // namespace
