#include "editor/RemoconBaseFr.h"

#include "winui/AppMessages.h"
#include "winui/Scrolling.h"

namespace {

constexpr int kLineStep = 14;

}  // namespace

bool TRemoconBaseFr::CreateList(HWND parent, const winui::Rect& place, HFONT controlFont, int id) {
  controlFont_ = controlFont;
  if (!CreateFrame(kClassName, parent, place, kColor, WS_VSCROLL, id)) return false;
  UpdateScrollBar();
  return true;
}

TRemoconFr* TRemoconBaseFr::AddRow(const std::string& codeText) {
  if (RowCount() >= kCapacity) return nullptr;
  auto row = std::make_unique<winui::Owned<TRemoconFr>>(*this, nextSerial_++);
  if (!row->CreateRow(Handle(), 0)) return nullptr;  // ArrangeRows puts it in its place
  row->SetCodeText(codeText);
  row->SetMemoText("");
  rows_.push_back(std::move(row));
  ArrangeRows();
  return rows_.back().get();
}

void TRemoconBaseFr::RemoveRow(const TRemoconFr& row) {
  for (int i = 0; i < RowCount(); ++i) {
    if (rows_[static_cast<size_t>(i)].get() == &row) {
      RemoveRowAt(i);
      return;
    }
  }
}

void TRemoconBaseFr::RemoveRowAt(int index) {
  if (index < 0 || index >= RowCount()) return;
  rows_.erase(rows_.begin() + index);
  ArrangeRows();
}

void TRemoconBaseFr::ClearRows() {
  rows_.clear();
  UpdateScrollBar();
}

void TRemoconBaseFr::ArrangeRows() {
  UpdateScrollBar();
  PlaceRows();
  owner_.UpdateSendOptions();
}

void TRemoconBaseFr::RequestRemoval(unsigned serial) {
  PostMessageW(Handle(), winui::kMsgRemoveRow, serial, 0);
}

LRESULT TRemoconBaseFr::OnAppMessage(UINT msg, WPARAM wParam, LPARAM /*lParam*/) {
  if (msg != winui::kMsgRemoveRow) return 0;
  // The row may be gone by now (the whole list cleared meanwhile).
  for (int i = 0; i < RowCount(); ++i) {
    if (rows_[static_cast<size_t>(i)]->Serial() == static_cast<unsigned>(wParam)) {
      RemoveRowAt(i);
      break;
    }
  }
  return 0;
}

void TRemoconBaseFr::UpdateScrollBar() {
  RECT client{};
  GetClientRect(Handle(), &client);
  scrollPos_ = winui::SetScrollExtent(Handle(), SB_VERT, RowCount() * RowHeight(), client.bottom, scrollPos_);
}

void TRemoconBaseFr::PlaceRows() {
  for (int i = 0; i < RowCount(); ++i) {
    SetWindowPos(rows_[static_cast<size_t>(i)]->Handle(), nullptr, 0, i * RowHeight() - scrollPos_, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void TRemoconBaseFr::ScrollTo(int pos) {
  scrollPos_ = pos;
  UpdateScrollBar();
  PlaceRows();
}

void TRemoconBaseFr::ScrollIntoView(const TRemoconFr& row) {
  RECT client{};
  GetClientRect(Handle(), &client);
  for (int i = 0; i < RowCount(); ++i) {
    if (rows_[static_cast<size_t>(i)].get() != &row) continue;
    const int top = i * RowHeight();
    if (top < scrollPos_) {
      ScrollTo(top);
    } else if (top + RowHeight() > scrollPos_ + client.bottom) {
      ScrollTo(top + RowHeight() - client.bottom);
    }
    return;
  }
}

void TRemoconBaseFr::OnSize(int /*width*/, int /*height*/) {
  if (rows_.empty()) return;
  UpdateScrollBar();
  PlaceRows();
}

void TRemoconBaseFr::OnVScroll(int code, int thumb) {
  if (const auto pos = winui::ScrollTarget(Handle(), SB_VERT, code, thumb, kLineStep)) ScrollTo(*pos);
}

bool TRemoconBaseFr::OnMouseWheel(int delta) {
  // One row per notch of the wheel.
  ScrollTo(scrollPos_ - delta * RowHeight() / WHEEL_DELTA);
  return true;
}
