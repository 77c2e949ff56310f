#include "editor/PanelEditFm.h"

#include <algorithm>

#include "data/OptionMdl.h"
#include "editor/CommissioningRunner.h"
#include "editor/EditCommandFm.h"
#include "editor/InputStringFm.h"
#include "editor/PicturePixels.h"
#include "editor/PublishCheckFm.h"
#include "table/CommandWords.h"
#include "table/PanelCheck.h"
#include "table/PanelEdits.h"
#include "table/SjisPath.h"
#include "winui/AppMessages.h"
#include "winui/Contrast.h"
#include "winui/Controls.h"
#include "winui/MessageBox.h"
#include "winui/Scrolling.h"
#include "winui/TextConv.h"

using namespace panel;

namespace {

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;
constexpr COLORREF kFrameColour = RGB(255, 0, 0);
constexpr int kWheelStep = 40;
// Right of the three save and cancel buttons: 動作確認 on top, the status line below it.
constexpr int kSecondColumnLeft = 100;
constexpr int kStatusTop = 39;
constexpr int kStatusHeight = 56;
// A picture narrower than the bar's buttons would cut them off; the window is
// then wider than the picture.
constexpr int kMinClientWidth = kSecondColumnLeft + 75 + 8;
// The status line follows the pointer once it has rested on a cell this long:
// redrawn on every move, the line at the bottom would take the window's whole
// height between it and the frame to the screen with each cell crossed.
constexpr UINT kStatusRestMs = 150;
constexpr UINT_PTR kStatusTimer = 1;

RECT ToRect(const PixelRect& r, int dx, int dy) { return RECT{r.left - dx, r.top - dy, r.right - dx, r.bottom - dy}; }

// Paints the part `view` of the picture enlarged `zoom` times at `at`: whole
// picture pixels, each a square of zoom x zoom, so the view is exact.
void BlitView(HDC dc, HDC picture, const PixelRect& view, int zoom, POINT at) {
  if (zoom == 1) {
    BitBlt(dc, at.x, at.y, view.right - view.left, view.bottom - view.top, picture, view.left, view.top, SRCCOPY);
    return;
  }
  const int left = view.left / zoom;
  const int top = view.top / zoom;
  const int right = (view.right + zoom - 1) / zoom;
  const int bottom = (view.bottom + zoom - 1) / zoom;
  SetStretchBltMode(dc, COLORONCOLOR);
  StretchBlt(dc, at.x - (view.left - left * zoom), at.y - (view.top - top * zoom), (right - left) * zoom,
             (bottom - top) * zoom, picture, left, top, right - left, bottom - top, SRCCOPY);
}

}  // namespace

TPanelEditFm::TPanelEditFm(TOptionMdl& options) : Clipboard(&options.Clipboard()), options_(options) {}

bool TPanelEditFm::CreateForm(HWND owner) {
  // LoadPanel gives the bitmap's size and the place.
  winui::FormDescription description = winui::DialogDescription(kClassName, L"パネル編集", 200, kBarHeight, owner);
  description.style = kStyle;
  description.exStyle = kExStyle;
  return Create(description);
}

void TPanelEditFm::OnCreate() {
  HFONT font = FontHandle();
  Panel1.CreateBar(Handle(), {0, 0, 200, kBarHeight}, kPanel1);
  HWND bar = Panel1.Handle();
  SaveButton = winui::CreateButton(bar, kSaveButton, L"保存", {16, 8, 75, 25}, font);
  SaveQuit = winui::CreateButton(bar, kSaveQuit, L"保存して終了", {16, 39, 75, 25}, font);
  TyuusiButton = winui::CreateButton(bar, kTyuusiButton, L"キャンセル", {16, 70, 75, 25}, font);
  CheckButton = winui::CreateButton(bar, kCheckButton, L"動作確認", {kSecondColumnLeft, 8, 75, 25}, font);
  StatusLabel = winui::CreateControl(bar, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 0,
                                     {kSecondColumnLeft, kStatusTop, 100, kStatusHeight}, kStatusLabel, font);
  winui::SetTabOrder({SaveButton, TyuusiButton, SaveQuit, CheckButton});
  UpdateStatus();
}

std::wstring TPanelEditFm::LoadPanel(CPanelTable& table) {
  winui::Picture picture;
  if (std::wstring why = picture.LoadFromFile(table.Folder() + "\\" + table.BitmapName()); !why.empty()) return why;
  LoadPanel(table, std::move(picture));
  return {};
}

void TPanelEditFm::LoadPanel(CPanelTable& table, winui::Picture picture) {
  table_ = &table;
  panelImage_ = std::move(picture);
  cellWidth_ = table.CellWidth();
  cellHeight_ = table.CellHeight();
  faces_.Load(Handle(), table, panelImage_);
  PlaceWindow();
  Modified = false;
  UpdateStatus();
}

PanelGrid TPanelEditFm::Grid() const {
  return PanelGrid(cellWidth_, cellHeight_, table_ ? table_->Columns() : 0, table_ ? table_->Rows() : 0, zoom_);
}

int TPanelEditFm::ViewHeight() const {
  RECT client{};
  GetClientRect(Handle(), &client);
  return std::max(0, static_cast<int>(client.bottom) - BarHeight());
}

// Fitted and centred in the work area of the monitor the main window is on,
// so that the taskbar covers none of it. A panel larger than that area
// scrolls its bitmap above the bar, which stays in sight.
// The picture keeps its pixels at every display scale (enlarged only by the
// zoom); the bar below it scales with the display.
void TPanelEditFm::PlaceWindow() {
  RECT frame{0, 0, std::max(panelImage_.Width() * zoom_, Scaled(kMinClientWidth)),
             panelImage_.Height() * zoom_ + BarHeight()};
  winui::AdjustFrameForDpi(frame, kStyle, kExStyle, winui::MonitorDpi(Handle()));
  HWND owner = GetWindow(Handle(), GW_OWNER);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  GetMonitorInfoW(MonitorFromWindow(owner ? owner : Handle(), MONITOR_DEFAULTTOPRIMARY), &monitor);
  const RECT& work = monitor.rcWork;
  const WindowFit fit = FitInWorkArea(frame.right - frame.left, frame.bottom - frame.top,
                                      PixelRect{work.left, work.top, work.right, work.bottom},
                                      GetSystemMetrics(SM_CXVSCROLL), GetSystemMetrics(SM_CYHSCROLL));
  ShowScrollBar(Handle(), SB_VERT, fit.verticalBar);
  ShowScrollBar(Handle(), SB_HORZ, fit.horizontalBar);
  SetWindowPos(Handle(), nullptr, fit.place.left, fit.place.top, fit.place.right - fit.place.left,
               fit.place.bottom - fit.place.top, SWP_NOZORDER | SWP_NOACTIVATE);
  RECT client{};
  GetClientRect(Handle(), &client);
  MoveWindow(Panel1.Handle(), 0, client.bottom - BarHeight(), client.right, BarHeight(), TRUE);
  MoveWindow(StatusLabel, Scaled(kSecondColumnLeft), Scaled(kStatusTop),
             std::max(0, static_cast<int>(client.right) - Scaled(kSecondColumnLeft + 8)), Scaled(kStatusHeight), TRUE);
  UpdateScrollBars();
}

void TPanelEditFm::UpdateScrollBars() {
  RECT client{};
  GetClientRect(Handle(), &client);
  const LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
  auto scroll = [&](int bar, int content, int page, int position) {
    // A direction without its bar is one where the picture fits.
    if (!(style & (bar == SB_HORZ ? WS_HSCROLL : WS_VSCROLL))) return std::clamp(position, 0, std::max(0, content - page));
    return winui::SetScrollExtent(Handle(), bar, content, page, position);
  };
  scrollX_ = scroll(SB_HORZ, panelImage_.Width() * zoom_, client.right, scrollX_);
  scrollY_ = scroll(SB_VERT, panelImage_.Height() * zoom_, ViewHeight(), scrollY_);
}

void TPanelEditFm::ScrollTo(int bar, int position) {
  (bar == SB_HORZ ? scrollX_ : scrollY_) = position;
  UpdateScrollBars();
  RECT view{};
  GetClientRect(Handle(), &view);
  view.bottom = ViewHeight();
  InvalidateRect(Handle(), &view, FALSE);
}

void TPanelEditFm::PaintContent(HDC dc, bool withFrame) {
  if (panelImage_.Empty()) return;
  RECT client{};
  GetClientRect(Handle(), &client);
  winui::MemoryDc source(dc);
  winui::ScopedSelectObject select(source.Get(), panelImage_.Handle());
  const int shownWidth = std::min<int>(client.right, panelImage_.Width() * zoom_ - scrollX_);
  const int shownHeight = std::min(ViewHeight(), panelImage_.Height() * zoom_ - scrollY_);
  BlitView(dc, source.Get(), PixelRect{scrollX_, scrollY_, scrollX_ + shownWidth, scrollY_ + shownHeight}, zoom_,
           POINT{0, 0});
  if (shownWidth < client.right) {  // beside a picture narrower than the bar
    const RECT rest{shownWidth, 0, client.right, ViewHeight()};
    FillRect(dc, &rest, GetSysColorBrush(COLOR_BTNFACE));
  }
  if (withFrame && framed_ && hover_) DrawFrame(dc, *hover_);
}

void TPanelEditFm::DrawFrame(HDC dc, GridCell cell) {
  winui::Brush red(CreateSolidBrush(winui::ContrastColor(kFrameColour, COLOR_HIGHLIGHT)));
  RECT r = ToRect(Grid().CellRect(cell), scrollX_, scrollY_);
  const long long width = r.right - r.left;
  const long long height = r.bottom - r.top;
  FrameRect(dc, &r, red.Get());
  InflateRect(&r, -1, -1);
  FrameRect(dc, &r, red.Get());
  hoverPixelsDrawn_ += 2 * (width + height) - 4 + 2 * (width + height - 4) - 4;
}

void TPanelEditFm::RestoreCell(HDC dc, GridCell cell) {
  const PixelRect r = Grid().CellRect(cell);
  winui::MemoryDc source(dc);
  winui::ScopedSelectObject select(source.Get(), panelImage_.Handle());
  BlitView(dc, source.Get(), r, zoom_, POINT{r.left - scrollX_, r.top - scrollY_});
  hoverPixelsDrawn_ += r.Area();
}

void TPanelEditFm::MoveFrameTo(std::optional<GridCell> cell, StatusTiming timing) {
  if (cell == hover_ && (framed_ || !cell)) return;  // moving within a cell draws nothing
  if (cell != hover_) historyNote_.clear();
  winui::WindowDc dc(Handle());
  // Only the old cell is restored from the picture: the rest of the window
  // already shows it.
  if (framed_ && hover_) RestoreCell(dc.Get(), *hover_);
  framed_ = false;
  if (cell) {
    DrawFrame(dc.Get(), *cell);
    framed_ = true;
  }
  hover_ = cell;
  if (cell) AnnounceFrame();
  if (timing == StatusTiming::OnceRested) {
    statusTimer_.Start(Handle(), kStatusTimer, kStatusRestMs);
  } else {
    UpdateStatus();
  }
}

void TPanelEditFm::OnTimer(UINT_PTR id) {
  if (id == kRecoveryTimer) OnRecoveryTimer();
  if (id != kStatusTimer) return;
  statusTimer_.Stop();
  UpdateStatus();
}

void TPanelEditFm::FrameOrdinal(int ordinal) {
  if (!table_ || table_->Columns() <= 0) return;
  const GridCell cell{ordinal % table_->Columns(), ordinal / table_->Columns()};
  ScrollIntoView(cell);
  MoveFrameTo(cell);
  UpdateWindow(Handle());
}

// A panel larger than the screen scrolls so that a cell reached by key is seen.
void TPanelEditFm::ScrollIntoView(GridCell cell) {
  RECT client{};
  GetClientRect(Handle(), &client);
  const PixelRect r = Grid().CellRect(cell);
  if (r.left < scrollX_ || r.right > scrollX_ + client.right) {
    ScrollTo(SB_HORZ, r.right > scrollX_ + client.right ? r.right - client.right : r.left);
  }
  if (r.top < scrollY_ || r.bottom > scrollY_ + ViewHeight()) {
    ScrollTo(SB_VERT, r.bottom > scrollY_ + ViewHeight() ? r.bottom - ViewHeight() : r.top);
  }
  UpdateWindow(Handle());
}

void TPanelEditFm::UpdateStatus() {
  statusTimer_.Stop();
  if (!StatusLabel) return;
  std::wstring text = L"矢印キーでボタンを選べます（Enter: コマンド登録、F5: 動作確認）";
  if (const std::optional<GridCell> cell = FramedCell(); cell && table_) {
    const int ordinal = Grid().Ordinal(*cell);
    text = winui::SjisToWide(CellLabel(ordinal, table_->Columns()) + DescribeCommand(table_->Cell(ordinal)));
  }
  // Unsaved work is told beside the framed button too, where the eye is.
  SetTextIfChanged(StatusLabel, (Modified ? L"（未保存）" : L"") + text + HistoryStatus());
  // As Windows editors do: the file, a mark while it has unsaved work, the program.
  std::wstring caption = L"パネル編集";
  if (table_) caption = winui::SjisToWide(FileNameOfSjisPath(table_->TablePath())) + (Modified ? L" *" : L"") + L" - " + caption;
  SetTextIfChanged(Handle(), caption);
}

void TPanelEditFm::SetTextIfChanged(HWND window, const std::wstring& text) {
  if (winui::GetText(window) == text) return;
  winui::SetText(window, text);
  ++textsSet_;
}

void TPanelEditFm::FormMouseMove(int x, int y) {
  std::optional<GridCell> cell;
  if (y >= 0 && y < ViewHeight()) cell = Grid().CellAt(x + scrollX_, y + scrollY_);
  MoveFrameTo(cell, StatusTiming::OnceRested);
}

void TPanelEditFm::FormMouseDown(MouseButton button) {
  // A click acts on the cell last framed, not on the point clicked; over the
  // bitmap beyond the grid there is none.
  if (!hover_ || !table_) return;
  if (button == MouseButton::Left) EditCell(*hover_);
  if (button == MouseButton::Right) StampText(*hover_);
}

void TPanelEditFm::EditCell(GridCell cell) {
  winui::Owned<TEditCommandFm> dialog(options_);
  if (!dialog.CreateForm(Handle())) return;
  dialog.SetPanelTable(*table_);
  const int ordinal = Grid().Ordinal(cell);
  CButtonInfo before = table_->Cell(ordinal);
  dialog.LoadCell(table_->Cell(ordinal));
  if (winui::ShowModal(dialog, Handle()) == winui::ModalResult::Ok) {
    RecordEdit(std::make_unique<CellEdit>(ordinal, std::move(before), table_->Cell(ordinal)));
  }
  UpdateStatus();
}

void TPanelEditFm::StampText(GridCell cell) {
  winui::Owned<TInputStringFm> dialog;
  if (!dialog.CreateForm(Handle())) return;
  if (winui::ShowModal(dialog, Handle()) != winui::ModalResult::Ok) return;
  const PixelRect r = Grid().PictureRect(cell);
  // Only in the picture until saved, like a registration. The repaint takes
  // the frame away.
  framed_ = false;
  const POINT at{r.left + 2, r.top + 2};
  const int ordinal = Grid().Ordinal(cell);
  RecordEdit(StampOnFaces(::StampText(panelImage_, at, ordinal, dialog.Text()), at, ordinal, dialog.Text()));
}

void TPanelEditFm::SaveButtonClick() {
  if (SaveWithFaces() != SaveResult::NotSaved) AfterSave();
  UpdateStatus();
}

void TPanelEditFm::SaveQuitClick() {
  // A failed save keeps the window, and the work, open.
  if (SaveWithFaces() == SaveResult::NotSaved) return;
  AfterSave();
  CloseConfirmed();
}

void TPanelEditFm::TyuusiButtonClick() {
  if (!Modified || winui::AskYesNo(Handle(), L"キャンセルして良いですか？")) CloseConfirmed();
}

void TPanelEditFm::CheckButtonClick() {
  if (!table_) return;
  const std::string sheet =
      RunCommissioning(Handle(), options_, *table_, panelImage_, [this](int ordinal) { FrameOrdinal(ordinal); });
  if (!sheet.empty()) OfferToOpenSheet(Handle(), sheet);
}

void TPanelEditFm::CloseConfirmed() {
  closeConfirmed_ = true;
  Close();
}

void TPanelEditFm::OnClose(bool& canClose) {
  // The title bar asks like キャンセル: unsaved work is never lost without a question.
  if (closeConfirmed_ || !Modified) return;
  canClose = winui::AskYesNo(Handle(), L"キャンセルして良いですか？");
}

void TPanelEditFm::OnCommand(int id, int code, HWND /*control*/) {
  if (code != BN_CLICKED) return;
  switch (id) {
    case kSaveButton:
      SaveButtonClick();
      break;
    case kSaveQuit:
      SaveQuitClick();
      break;
    case kTyuusiButton:
    case IDCANCEL:  // Esc
      TyuusiButtonClick();
      break;
    case kCheckButton:
      CheckButtonClick();
      break;
    default:
      break;
  }
}

LRESULT TPanelEditFm::OnAppMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == winui::kMsgWorkerDone) UpdateStatus();  // a recovery copy written, or not
  if (msg != winui::kMsgPreviewKey) return 0;
  return OnKey(static_cast<UINT>(wParam), lParam) ? 1 : 0;
}

void TPanelEditFm::OnPaint(HDC dc, const RECT& /*dirty*/) { PaintContent(dc, true); }

void TPanelEditFm::OnDpiChanged() {
  if (table_) PlaceWindow();
}

void TPanelEditFm::SetZoom(int zoom) {
  zoom = std::clamp(zoom, 1, kMaxZoom);
  if (zoom == zoom_) return;
  // The same part of the picture stays in the top left corner.
  scrollX_ = scrollX_ / zoom_ * zoom;
  scrollY_ = scrollY_ / zoom_ * zoom;
  zoom_ = zoom;
  if (table_) PlaceWindow();
  InvalidateRect(Handle(), nullptr, FALSE);
  UpdateWindow(Handle());
}

void TPanelEditFm::OnMouseMove(int x, int y) { FormMouseMove(x, y); }

void TPanelEditFm::OnMouseDown(MouseButton button, int /*x*/, int /*y*/) { FormMouseDown(button); }

void TPanelEditFm::OnVScroll(int code, int thumb) {
  if (const auto position = winui::ScrollTarget(Handle(), SB_VERT, code, thumb, kWheelStep)) {
    ScrollTo(SB_VERT, *position);
  }
}

void TPanelEditFm::OnHScroll(int code, int thumb) {
  if (const auto position = winui::ScrollTarget(Handle(), SB_HORZ, code, thumb, kWheelStep)) {
    ScrollTo(SB_HORZ, *position);
  }
}

bool TPanelEditFm::OnMouseWheel(int delta) {
  if (GetWindowLongPtrW(Handle(), GWL_STYLE) & WS_VSCROLL) {
    ScrollTo(SB_VERT, scrollY_ - delta / WHEEL_DELTA * kWheelStep);
  }
  return true;
}
