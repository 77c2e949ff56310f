#include "app/PanelSetMapFr.h"

#include <algorithm>
#include <cmath>

#include "winui/Font.h"
#include "winui/Gdi.h"
#include "winui/Scrolling.h"
#include "winui/TextConv.h"

using namespace panel;

namespace {

constexpr COLORREF kBackground = RGB(250, 250, 246);
constexpr COLORREF kArrow = RGB(40, 90, 170);
constexpr COLORREF kRed = RGB(200, 20, 20);
constexpr COLORREF kOrange = RGB(190, 100, 0);
constexpr COLORREF kPurple = RGB(120, 40, 150);
constexpr COLORREF kGrey = RGB(110, 110, 110);
constexpr int kPictureTop = 24, kPictureHeight = 96, kLine = 15;

POINT Centre(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

// Where the segment from `inside` towards `outside` leaves the rectangle.
POINT Edge(const RECT& r, POINT from, POINT to) {
  const double dx = to.x - from.x, dy = to.y - from.y;
  const double halfW = (r.right - r.left) / 2.0, halfH = (r.bottom - r.top) / 2.0;
  const double t = std::min(dx ? halfW / std::abs(dx) : 1e9, dy ? halfH / std::abs(dy) : 1e9);
  return {from.x + static_cast<LONG>(dx * t), from.y + static_cast<LONG>(dy * t)};
}

void Head(HDC dc, POINT from, POINT to) {
  const double angle = std::atan2(double(to.y - from.y), double(to.x - from.x));
  POINT head[3] = {to,
                   {to.x - LONG(12 * std::cos(angle - 0.4)), to.y - LONG(12 * std::sin(angle - 0.4))},
                   {to.x - LONG(12 * std::cos(angle + 0.4)), to.y - LONG(12 * std::sin(angle + 0.4))}};
  Polygon(dc, head, 3);
}

// A straight arrow, or with `bend` a curve that far above (negative) or below the line.
void Arrow(HDC dc, POINT from, POINT to, COLORREF color, int bend = 0) {
  winui::Pen pen(CreatePen(PS_SOLID, 2, color));
  winui::Brush brush(CreateSolidBrush(color));
  winui::ScopedSelectObject usePen(dc, pen.Get()), useBrush(dc, brush.Get());
  const POINT curve[4] = {from, {from.x, from.y + bend}, {to.x, to.y + bend}, to};
  PolyBezier(dc, curve, 4);
  Head(dc, bend ? POINT{to.x, to.y + bend} : from, to);
}

void Text(HDC dc, int x, int y, const std::wstring& text, COLORREF color) {
  SetTextColor(dc, color);
  TextOutW(dc, x, y, text.c_str(), static_cast<int>(text.size()));
}

}  // namespace

winui::Picture TPanelSetMapFr::Thumbnail(const winui::Picture& full) {
  winui::Picture small;
  if (full.Empty() || full.Width() <= 0 || full.Height() <= 0) return small;
  const double scale = std::min({1.0, double(kBoxWidth - 16) / full.Width(), double(kPictureHeight) / full.Height()});
  const int w = std::max(1, int(full.Width() * scale)), h = std::max(1, int(full.Height() * scale));
  if (!small.Create(w, h, RGB(255, 255, 255))) return small;
  winui::MemoryDc from, to;
  winui::ScopedSelectObject source(from.Get(), full.Handle()), target(to.Get(), small.Handle());
  SetStretchBltMode(to.Get(), HALFTONE);
  SetBrushOrgEx(to.Get(), 0, 0, nullptr);
  StretchBlt(to.Get(), 0, 0, w, h, from.Get(), 0, 0, full.Width(), full.Height(), SRCCOPY);
  return small;
}

bool TPanelSetMapFr::Create(HWND parent, const winui::Rect& place, int id) {
  return CreateFrame(kClassName, parent, place, kBackground, WS_VSCROLL | WS_BORDER | WS_TABSTOP, id);
}

void TPanelSetMapFr::Show(std::vector<SetPanel> panels, SetLinks links, std::vector<winui::Picture> pictures,
                          std::vector<bool> ticked) {
  const std::string selected = selected_ >= 0 && size_t(selected_) < panels_.size() ? panels_[selected_].tableName : "";
  panels_ = std::move(panels);
  links_ = std::move(links);
  pictures_ = std::move(pictures);
  ticked_ = std::move(ticked);
  selected_ = -1;
  for (size_t i = 0; i < panels_.size(); ++i) {
    if (panels_[i].tableName == selected) selected_ = static_cast<int>(i);
  }
  UpdateScroll();
  InvalidateRect(Handle(), nullptr, TRUE);
}

std::vector<size_t> TPanelSetMapFr::Ticked() const {
  std::vector<size_t> chosen;
  for (size_t i = 0; i < ticked_.size(); ++i) {
    if (ticked_[i]) chosen.push_back(i);
  }
  return chosen;
}

int TPanelSetMapFr::Columns() const { return std::max(1, (width_ - kMargin + kPitchX - kBoxWidth) / kPitchX); }

RECT TPanelSetMapFr::BoxOf(size_t i) const {
  const int column = static_cast<int>(i) % Columns(), row = static_cast<int>(i) / Columns();
  const int left = kMargin + column * kPitchX, top = kTop + row * kPitchY - scroll_;
  return {left, top, left + kBoxWidth, top + kBoxHeight};
}

void TPanelSetMapFr::UpdateScroll() {
  const int rows = (static_cast<int>(panels_.size()) + Columns() - 1) / Columns();
  scroll_ = winui::SetScrollExtent(Handle(), SB_VERT, kTop + rows * kPitchY, height_, scroll_);
}

void TPanelSetMapFr::OnSize(int width, int height) {
  width_ = width;
  height_ = height;
  UpdateScroll();
}

void TPanelSetMapFr::OnVScroll(int code, int thumb) {
  if (const std::optional<int> to = winui::ScrollTarget(Handle(), SB_VERT, code, thumb, 40)) {
    scroll_ = *to;
    UpdateScroll();
    InvalidateRect(Handle(), nullptr, TRUE);
  }
}

bool TPanelSetMapFr::OnMouseWheel(int delta) {
  OnVScroll(delta > 0 ? SB_LINEUP : SB_LINEDOWN, 0);
  return true;
}

void TPanelSetMapFr::OnMouseDown(MouseButton button, int x, int y) {
  if (button != MouseButton::Left) return;
  // The keys then go on from the panel clicked.
  SetFocus(Handle());
  for (size_t i = 0; i < panels_.size(); ++i) {
    const RECT box = BoxOf(i);
    if (!PtInRect(&box, POINT{x, y})) continue;
    selected_ = static_cast<int>(i);
    const RECT tick{box.left + 4, box.top + 4, box.left + 20, box.top + 20};
    if (PtInRect(&tick, POINT{x, y})) ticked_[i] = !ticked_[i];
    InvalidateRect(Handle(), nullptr, TRUE);
    return;
  }
}

bool TPanelSetMapFr::OnMessage(UINT msg, WPARAM /*wParam*/, LPARAM /*lParam*/, LRESULT& /*result*/) {
  // The focus mark comes and goes with the focus.
  if (msg == WM_SETFOCUS || msg == WM_KILLFOCUS) InvalidateRect(Handle(), nullptr, TRUE);
  return false;
}

void TPanelSetMapFr::Select(int i) {
  selected_ = i;
  // The whole box in sight, below the room for the arrows over it.
  const int row = i / Columns();
  const int top = kTop + row * kPitchY, bottom = top + kBoxHeight + kMargin;
  if (top - kTop < scroll_) scroll_ = top - kTop;
  if (bottom > scroll_ + height_) scroll_ = bottom - height_;
  UpdateScroll();
  InvalidateRect(Handle(), nullptr, TRUE);
}

int TPanelSetMapFr::KeyPanel() {
  if (panels_.empty()) return -1;
  if (selected_ < 0) Select(0);
  return selected_;
}

bool TPanelSetMapFr::OnKey(UINT key) {
  const int count = static_cast<int>(panels_.size()), columns = Columns();
  const bool wasSelected = selected_ >= 0;
  switch (key) {
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN: {
      const int at = KeyPanel();
      if (at < 0 || !wasSelected) return true;
      // Within the grid as drawn: no wrapping past a row's ends, and down only where a box is.
      const int column = at % columns;
      int to = at;
      if (key == VK_LEFT && column > 0) to = at - 1;
      if (key == VK_RIGHT && column < columns - 1 && at + 1 < count) to = at + 1;
      if (key == VK_UP && at >= columns) to = at - columns;
      if (key == VK_DOWN && at + columns < count) to = at + columns;
      Select(to);
      return true;
    }
    case VK_SPACE: {
      const int at = KeyPanel();
      if (at >= 0) ticked_[at] = !ticked_[at];
      InvalidateRect(Handle(), nullptr, TRUE);
      return true;
    }
    default: return false;
  }
}

void TPanelSetMapFr::OnPaint(HDC dc, const RECT& /*dirty*/) {
  RECT all{0, 0, width_, height_};
  FillRect(dc, &all, BackgroundBrush());
  SetBkMode(dc, TRANSPARENT);
  winui::ScopedSelectObject font(dc, winui::SharedFont(L"MS UI Gothic", 12));
  PaintLinks(dc);
  for (size_t i = 0; i < panels_.size(); ++i) PaintPanel(dc, i);
}

void TPanelSetMapFr::PaintLinks(HDC dc) {
  const int columns = Columns();
  for (const SetLink& link : links_.links) {
    const RECT from = BoxOf(link.from);
    if (!link.to) {  // a short red arrow to nowhere
      const int y = from.bottom - 24;
      Arrow(dc, {from.right, y}, {from.right + 26, y}, kRed);
      Text(dc, from.right + 28, y - 8, L"？", kRed);
      continue;
    }
    if (*link.to == link.from) continue;
    const RECT to = BoxOf(*link.to);
    const int across = static_cast<int>(*link.to % columns) - static_cast<int>(link.from % columns);
    const bool sameRow = link.from / columns == *link.to / columns;
    if (sameRow && std::abs(across) > 1) {
      // Over the boxes between, rightwards above them and leftwards below.
      const int bend = 20 + 12 * std::abs(across);
      if (across > 0) {
        Arrow(dc, {(from.left + from.right) / 2 + 10, from.top}, {(to.left + to.right) / 2 - 10, to.top}, kArrow, -bend);
      } else {
        Arrow(dc, {(from.left + from.right) / 2 - 10, from.bottom}, {(to.left + to.right) / 2 + 10, to.bottom}, kArrow, bend);
      }
      continue;
    }
    // Two panels switching to each other get two arrows side by side.
    const int shift = link.from < *link.to ? -5 : 5;
    POINT a = Centre(from), b = Centre(to);
    a.x += shift, a.y += shift, b.x += shift, b.y += shift;
    Arrow(dc, Edge(from, a, b), Edge(to, b, a), kArrow);
  }
}

void TPanelSetMapFr::PaintPanel(HDC dc, size_t i) {
  const SetPanel& panel = panels_[i];
  const RECT box = BoxOf(i);
  {
    winui::Brush white(CreateSolidBrush(RGB(255, 255, 255)));
    winui::Pen frame(CreatePen(PS_SOLID, int(i) == selected_ ? 3 : 1, int(i) == selected_ ? kArrow : kGrey));
    winui::ScopedSelectObject usePen(dc, frame.Get()), useBrush(dc, white.Get());
    Rectangle(dc, box.left, box.top, box.right, box.bottom);
  }
  // The tick for publishing, then the name.
  RECT tick{box.left + 5, box.top + 5, box.left + 18, box.top + 18};
  DrawFrameControl(dc, &tick, DFC_BUTTON, DFCS_BUTTONCHECK | (ticked_[i] ? DFCS_CHECKED : 0));
  if (int(i) == selected_ && GetFocus() == Handle()) {
    RECT mark{box.left + 3, box.top + 3, box.right - 3, box.bottom - 3};
    SetTextColor(dc, RGB(0, 0, 0));
    DrawFocusRect(dc, &mark);
  }
  Text(dc, box.left + 24, box.top + 5, winui::SjisToWide(panel.tableName), RGB(0, 0, 0));

  const winui::Picture& picture = pictures_[i];
  const int areaWidth = kBoxWidth - 16;
  if (!picture.Empty() && picture.Width() > 0 && picture.Height() > 0) {
    const double scale = std::min(double(areaWidth) / picture.Width(), double(kPictureHeight) / picture.Height());
    const int w = std::max(1, int(picture.Width() * scale)), h = std::max(1, int(picture.Height() * scale));
    winui::MemoryDc source(dc);
    winui::ScopedSelectObject use(source.Get(), picture.Handle());
    SetStretchBltMode(dc, HALFTONE);
    StretchBlt(dc, box.left + 8 + (areaWidth - w) / 2, box.top + kPictureTop, w, h, source.Get(), 0, 0,
               picture.Width(), picture.Height(), SRCCOPY);
  } else {
    Text(dc, box.left + 8, box.top + kPictureTop + 40, L"（画像を読めません）", kGrey);
  }

  int y = box.top + kPictureTop + kPictureHeight + 4;
  const auto mark = [&](const std::wstring& text, COLORREF color) {
    Text(dc, box.left + 8, y, text, color);
    y += kLine;
  };
  if (!panel.readFailure.empty()) mark(L"×テーブルを読めません", kRed);
  for (const SetLink& link : links_.links) {
    if (link.from != i || link.to) continue;
    for (const SetSwitch& button : panel.switches) {
      if (button.ordinal == link.ordinal) {
        mark(L"×ボタン" + std::to_wstring(link.ordinal + 1) + L"の切替先「" + std::wstring(1, wchar_t(button.target)) +
                 L"」がない",
             kRed);
      }
    }
  }
  if (links_.trapped[i]) mark(L"×「閉じる」まで行けない", kRed);
  if (!links_.reached[i]) mark(L"▲どこからも切り替えられない", kPurple);
  switch (panel.published) {
    case PublishedState::Unpublished: mark(L"●まだ公開していない", kOrange); break;
    case PublishedState::Differs: mark(L"●公開した版と違う", kOrange); break;
    case PublishedState::Same: mark(L"公開済み", kGrey); break;
  }
}
