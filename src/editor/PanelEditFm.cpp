#include "editor/PanelEditFm.h"

#include <windowsx.h>

#include <algorithm>

#include "data/OptionMdl.h"
#include "editor/CommissioningRunner.h"
#include "editor/EditCommandFm.h"
#include "editor/InputStringFm.h"
#include "editor/PublishCheckFm.h"
#include "table/CommandWords.h"
#include "table/PanelCheck.h"
#include "winui/AppMessages.h"
#include "winui/Controls.h"
#include "winui/MessageBox.h"
#include "winui/TextConv.h"

namespace {

SCROLLINFO ScrollInfo(UINT mask) {
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = mask;
  return info;
}

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;
constexpr COLORREF kBarColour = RGB(200, 253, 253);
constexpr COLORREF kFrameColour = RGB(255, 0, 0);
constexpr UINT_PTR kBarSubclassId = 1;
constexpr int kWheelStep = 40;
// Right of the three specified buttons: 動作確認 on top, the status line below it.
constexpr int kSecondColumnLeft = 100;
constexpr int kStatusTop = 39;
constexpr int kStatusHeight = 56;
// A picture narrower than the bar's buttons would cut them off; the window is
// then wider than the picture.
constexpr int kMinClientWidth = kSecondColumnLeft + 75 + 8;

LRESULT CALLBACK BarProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR brush) {
  if (msg == WM_NCDESTROY) RemoveWindowSubclass(hwnd, BarProc, kBarSubclassId);
  if (msg == WM_ERASEBKGND) {
    RECT r{};
    GetClientRect(hwnd, &r);
    FillRect(reinterpret_cast<HDC>(wParam), &r, reinterpret_cast<HBRUSH>(brush));
    return 1;
  }
  return DefSubclassProc(hwnd, msg, wParam, lParam);
}

RECT ToRect(const PixelRect& r, int dx, int dy) { return RECT{r.left - dx, r.top - dy, r.right - dx, r.bottom - dy}; }

}  // namespace

TPanelEditFm::TPanelEditFm(TOptionMdl& options) : Clipboard(&options.Clipboard()), options_(options) {}

bool TPanelEditFm::CreateForm(HWND owner) {
  winui::FormSpec formSpec;
  formSpec.className = kClassName;
  formSpec.caption = L"PanelEditFm";
  formSpec.clientWidth = 200;  // LoadPanel gives the bitmap's size
  formSpec.clientHeight = kBarHeight;
  formSpec.style = kStyle;
  formSpec.exStyle = kExStyle;
  formSpec.owner = owner;
  return Create(formSpec);
}

void TPanelEditFm::OnCreate() {
  font_ = winui::Font::Pixels(L"Tahoma", 11);
  barBrush_.Reset(CreateSolidBrush(kBarColour));
  HFONT font = font_.Handle();
  Panel1 = winui::CreatePanel(Handle(), {0, 0, 200, kBarHeight}, kPanel1);
  SetWindowSubclass(Panel1, BarProc, kBarSubclassId, reinterpret_cast<DWORD_PTR>(barBrush_.Get()));
  SaveButton = winui::CreateButton(Panel1, kSaveButton, L"保存", {16, 8, 75, 25}, font);
  SaveQuit = winui::CreateButton(Panel1, kSaveQuit, L"保存して終了", {16, 39, 75, 25}, font);
  TyuusiButton = winui::CreateButton(Panel1, kTyuusiButton, L"キャンセル", {16, 70, 75, 25}, font);
  CheckButton = winui::CreateButton(Panel1, kCheckButton, L"動作確認", {kSecondColumnLeft, 8, 75, 25}, font);
  StatusLabel = winui::CreateControl(Panel1, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 0,
                                     {kSecondColumnLeft, kStatusTop, 100, kStatusHeight}, kStatusLabel, font);
  winui::SetTabOrder({SaveButton, TyuusiButton, SaveQuit, CheckButton});
  UpdateStatus();
}

std::wstring TPanelEditFm::LoadPanel(CPanelTable& table) {
  table_ = &table;
  if (std::wstring why = panelImage_.LoadFromFile(table.Folder() + "\\" + table.BitmapName()); !why.empty()) {
    return why;
  }
  cellWidth_ = table.CellWidth();
  cellHeight_ = table.CellHeight();
  PlaceWindow();
  Modified = false;
  return {};
}

PanelGrid TPanelEditFm::Grid() const {
  return PanelGrid(cellWidth_, cellHeight_, table_ ? table_->Columns() : 0, table_ ? table_->Rows() : 0);
}

int TPanelEditFm::ViewHeight() const {
  RECT client{};
  GetClientRect(Handle(), &client);
  return std::max(0L, client.bottom - kBarHeight);
}

// Centred on the screen by the outer size. A panel larger than the screen
// would put its bar and title off screen: it then fills the work area and
// its bitmap scrolls above the bar, which stays in sight.
void TPanelEditFm::PlaceWindow() {
  RECT frame{0, 0, std::max(panelImage_.Width(), kMinClientWidth), panelImage_.Height() + kBarHeight};
  AdjustWindowRectEx(&frame, kStyle, FALSE, kExStyle);
  int width = frame.right - frame.left;
  int height = frame.bottom - frame.top;
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  if (width <= screenWidth && height <= screenHeight) {
    ShowScrollBar(Handle(), SB_BOTH, FALSE);
    SetWindowPos(Handle(), nullptr, (screenWidth - width) / 2, (screenHeight - height) / 2, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  } else {
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int workWidth = work.right - work.left;
    const int workHeight = work.bottom - work.top;
    const bool needVertical = height > workHeight;
    const bool needHorizontal = width + (needVertical ? GetSystemMetrics(SM_CXVSCROLL) : 0) > workWidth;
    width = std::min(width + (needVertical ? GetSystemMetrics(SM_CXVSCROLL) : 0), workWidth);
    height = std::min(height + (needHorizontal ? GetSystemMetrics(SM_CYHSCROLL) : 0), workHeight);
    ShowScrollBar(Handle(), SB_VERT, needVertical);
    ShowScrollBar(Handle(), SB_HORZ, needHorizontal);
    SetWindowPos(Handle(), nullptr, work.left, work.top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  RECT client{};
  GetClientRect(Handle(), &client);
  MoveWindow(Panel1, 0, client.bottom - kBarHeight, client.right, kBarHeight, TRUE);
  MoveWindow(StatusLabel, kSecondColumnLeft, kStatusTop, std::max(0L, client.right - kSecondColumnLeft - 8),
             kStatusHeight, TRUE);
  UpdateScrollBars();
}

void TPanelEditFm::UpdateScrollBars() {
  RECT client{};
  GetClientRect(Handle(), &client);
  const int pageX = client.right;
  const int pageY = ViewHeight();
  scrollX_ = std::clamp(scrollX_, 0, std::max(0, panelImage_.Width() - pageX));
  scrollY_ = std::clamp(scrollY_, 0, std::max(0, panelImage_.Height() - pageY));
  const LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
  if (style & WS_HSCROLL) {
    SCROLLINFO info = ScrollInfo(SIF_ALL);
    info.nMax = panelImage_.Width() - 1;
    info.nPage = static_cast<UINT>(pageX);
    info.nPos = scrollX_;
    SetScrollInfo(Handle(), SB_HORZ, &info, TRUE);
  }
  if (style & WS_VSCROLL) {
    SCROLLINFO info = ScrollInfo(SIF_ALL);
    info.nMax = panelImage_.Height() - 1;
    info.nPage = static_cast<UINT>(pageY);
    info.nPos = scrollY_;
    SetScrollInfo(Handle(), SB_VERT, &info, TRUE);
  }
}

void TPanelEditFm::ScrollTo(int bar, int position) {
  SCROLLINFO info = ScrollInfo(SIF_ALL);
  GetScrollInfo(Handle(), bar, &info);
  position = std::clamp(position, info.nMin, std::max(info.nMin, info.nMax - static_cast<int>(info.nPage) + 1));
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
  const int shownWidth = std::min<int>(client.right, panelImage_.Width() - scrollX_);
  BitBlt(dc, 0, 0, shownWidth, std::min(ViewHeight(), panelImage_.Height() - scrollY_), source.Get(), scrollX_,
         scrollY_, SRCCOPY);
  if (shownWidth < client.right) {  // beside a picture narrower than the bar
    const RECT rest{shownWidth, 0, client.right, ViewHeight()};
    FillRect(dc, &rest, GetSysColorBrush(COLOR_BTNFACE));
  }
  if (withFrame && framed_ && hover_) DrawFrame(dc, *hover_);
}

void TPanelEditFm::DrawFrame(HDC dc, GridCell cell) {
  winui::Brush red(CreateSolidBrush(kFrameColour));
  RECT r = ToRect(Grid().CellRect(cell), scrollX_, scrollY_);
  FrameRect(dc, &r, red.Get());
  InflateRect(&r, -1, -1);
  FrameRect(dc, &r, red.Get());
  hoverPixelsDrawn_ += 2LL * (cellWidth_ + cellHeight_) - 4 + 2LL * (cellWidth_ + cellHeight_ - 4) - 4;
}

void TPanelEditFm::RestoreCell(HDC dc, GridCell cell) {
  const PixelRect r = Grid().CellRect(cell);
  winui::MemoryDc source(dc);
  winui::ScopedSelectObject select(source.Get(), panelImage_.Handle());
  BitBlt(dc, r.left - scrollX_, r.top - scrollY_, cellWidth_, cellHeight_, source.Get(), r.left, r.top, SRCCOPY);
  hoverPixelsDrawn_ += r.Area();
}

void TPanelEditFm::MoveFrameTo(std::optional<GridCell> cell) {
  if (cell == hover_ && (framed_ || !cell)) return;  // moving within a cell draws nothing
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
  if (!StatusLabel) return;
  std::wstring text = L"矢印キーでボタンを選べます（Enter: コマンド登録、F5: 動作確認）";
  if (const std::optional<GridCell> cell = FramedCell(); cell && table_) {
    const int ordinal = Grid().Ordinal(*cell);
    text = winui::SjisToWide(CellLabel(ordinal, table_->Columns()) + DescribeCommand(table_->Cell(ordinal)));
  }
  // The caption is fixed, so unsaved work is told here.
  winui::SetText(StatusLabel, (Modified ? L"（未保存）" : L"") + text);
}

void TPanelEditFm::FormMouseMove(int x, int y) {
  std::optional<GridCell> cell;
  if (y >= 0 && y < ViewHeight()) cell = Grid().CellAt(x + scrollX_, y + scrollY_);
  MoveFrameTo(cell);
}

void TPanelEditFm::FormMouseDown(UINT button) {
  // A click acts on the cell last framed, not on the point clicked; over the
  // bitmap beyond the grid there is none.
  if (!hover_ || !table_) return;
  if (button == WM_LBUTTONDOWN) EditCell(*hover_);
  if (button == WM_RBUTTONDOWN) StampText(*hover_);
}

void TPanelEditFm::EditCell(GridCell cell) {
  TEditCommandFm dialog(options_);
  if (!dialog.CreateForm(Handle())) return;
  dialog.SetPanelTable(*table_);
  dialog.LoadCell(table_->Cell(Grid().Ordinal(cell)));
  if (winui::ShowModal(dialog, Handle()) == winui::ModalResult::Ok) Modified = true;
  UpdateStatus();
}

void TPanelEditFm::StampText(GridCell cell) {
  TInputStringFm dialog;
  if (!dialog.CreateForm(Handle())) return;
  if (winui::ShowModal(dialog, Handle()) != winui::ModalResult::Ok) return;
  const std::wstring text = dialog.Text();
  {
    // The surface's own font and colours: nothing is set before drawing.
    winui::MemoryDc dc;
    winui::ScopedSelectObject select(dc.Get(), panelImage_.Handle());
    const PixelRect r = Grid().CellRect(cell);
    TextOutW(dc.Get(), r.left + 2, r.top + 2, text.c_str(), static_cast<int>(text.size()));
  }
  GdiFlush();
  // Only in the picture until saved, like a registration.
  Modified = true;
  framed_ = false;
  InvalidateRect(Handle(), nullptr, FALSE);
  UpdateWindow(Handle());
  UpdateStatus();
}

void TPanelEditFm::SaveButtonClick() {
  if (SaveTable(*table_, Handle(), panelImage_, Folders, ConfirmPublishDespite) != SaveResult::NotSaved) Modified = false;
  UpdateStatus();
}

void TPanelEditFm::SaveQuitClick() {
  // A failed save keeps the window, and the work, open.
  if (SaveTable(*table_, Handle(), panelImage_, Folders, ConfirmPublishDespite) != SaveResult::NotSaved) CloseConfirmed();
}

void TPanelEditFm::TyuusiButtonClick() {
  if (!Modified || winui::AskYesNo(Handle(), L"キャンセルして良いですか？")) CloseConfirmed();
}

void TPanelEditFm::CheckButtonClick() {
  if (!table_) return;
  const std::string sheet =
      RunCommissioning(Handle(), *table_, panelImage_, [this](int ordinal) { FrameOrdinal(ordinal); });
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

bool TPanelEditFm::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case winui::kMsgPreviewKey:
      result = OnKey(static_cast<UINT>(wParam), lParam) ? 1 : 0;
      return true;
    case WM_PAINT: {
      winui::PaintDc dc(Handle());
      PaintContent(dc.Get(), true);
      return true;
    }
    case WM_PRINTCLIENT:
      PaintContent(reinterpret_cast<HDC>(wParam), true);
      return true;
    case WM_ERASEBKGND:
      result = 1;  // the picture covers the view; the bar paints itself
      return true;
    case WM_MOUSEMOVE:
      FormMouseMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      return true;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
      FormMouseDown(msg);
      return true;
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
      result = reinterpret_cast<LRESULT>(barBrush_.Get());
      return true;
    case WM_HSCROLL:
    case WM_VSCROLL: {
      if (lParam != 0) return false;
      const int bar = msg == WM_HSCROLL ? SB_HORZ : SB_VERT;
      SCROLLINFO info = ScrollInfo(SIF_ALL);
      GetScrollInfo(Handle(), bar, &info);
      int position = info.nPos;
      switch (LOWORD(wParam)) {
        case SB_LINEUP: position -= kWheelStep; break;
        case SB_LINEDOWN: position += kWheelStep; break;
        case SB_PAGEUP: position -= static_cast<int>(info.nPage); break;
        case SB_PAGEDOWN: position += static_cast<int>(info.nPage); break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: position = info.nTrackPos; break;
        case SB_TOP: position = info.nMin; break;
        case SB_BOTTOM: position = info.nMax; break;
        default: break;
      }
      ScrollTo(bar, position);
      return true;
    }
    case WM_MOUSEWHEEL:
      if (GetWindowLongPtrW(Handle(), GWL_STYLE) & WS_VSCROLL) {
        ScrollTo(SB_VERT, scrollY_ - GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA * kWheelStep);
      }
      return true;
    default:
      return false;
  }
}
