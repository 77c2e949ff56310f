// The edit window's surface as assistive technology reads it: the buttons of
// the panel with the names and command words of the status line, where they
// are on the screen, and a focus event each time the frame moves.
#include <algorithm>

#include "editor/PanelEditFm.h"
#include "table/CommandWords.h"
#include "table/PanelCheck.h"
#include "winui/TextConv.h"

using namespace panel;

int TPanelEditFm::CellCount() const { return table_ ? table_->Columns() * table_->Rows() : 0; }

std::wstring TPanelEditFm::CellName(int ordinal) const {
  std::wstring name = winui::SjisToWide(CellLabel(ordinal, table_->Columns()));
  // The label leads the status line's words with a colon; a name stands alone.
  if (!name.empty() && name.back() == L'：') name.pop_back();
  return name;
}

std::wstring TPanelEditFm::CellDescription(int ordinal) const {
  return winui::SjisToWide(DescribeCommand(table_->Cell(ordinal)));
}

RECT TPanelEditFm::CellOnScreen(int ordinal) const {
  const int columns = table_->Columns();
  const PixelRect cell = Grid().CellRect(GridCell{ordinal % columns, ordinal / columns});
  RECT view{};
  GetClientRect(Handle(), &view);
  view.bottom = ViewHeight();
  RECT shown{cell.left - scrollX_, cell.top - scrollY_, cell.right - scrollX_, cell.bottom - scrollY_};
  if (!IntersectRect(&shown, &shown, &view)) return RECT{};
  MapWindowPoints(Handle(), nullptr, reinterpret_cast<POINT*>(&shown), 2);
  return shown;
}

std::optional<int> TPanelEditFm::CellAtScreen(POINT point) const {
  if (!table_) return std::nullopt;
  ScreenToClient(Handle(), &point);
  RECT client{};
  GetClientRect(Handle(), &client);
  if (point.x >= client.right || point.y < 0 || point.y >= ViewHeight()) return std::nullopt;
  const auto cell = Grid().CellAt(point.x + scrollX_, point.y + scrollY_);
  if (!cell) return std::nullopt;
  return Grid().Ordinal(*cell);
}

std::optional<int> TPanelEditFm::FramedCellOrdinal() const {
  const auto cell = FramedCell();
  if (!cell || !table_) return std::nullopt;
  return Grid().Ordinal(*cell);
}

void TPanelEditFm::AnnounceFrame() {
  if (const auto ordinal = FramedCellOrdinal()) {
    NotifyWinEvent(EVENT_OBJECT_FOCUS, Handle(), OBJID_CLIENT, PanelSurfaceAccessible::ChildId(*ordinal));
  }
}

bool TPanelEditFm::OnGetObject(WPARAM flags, LPARAM objectId, LRESULT& result) {
  if (static_cast<LONG>(objectId) != OBJID_CLIENT || !table_) return false;
  result = LresultFromObject(IID_IAccessible, flags, &accessible_.Get(Handle(), *this));
  return result >= 0;  // else the system's proxy answers
}
