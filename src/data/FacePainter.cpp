#include "data/FacePainter.h"

#include <algorithm>
#include <vector>

#include "data/FaceFonts.h"
#include "winui/TextConv.h"

using namespace faces;

COLORREF ToColorRef(Colour c) { return RGB(c.r, c.g, c.b); }

namespace {

Box ToBox(const RECT& r) { return Box{r.left, r.top, r.right - r.left, r.bottom - r.top}; }

void Fill(HDC dc, const RECT& r, COLORREF colour) {
  winui::Brush brush(CreateSolidBrush(colour));
  FillRect(dc, &r, brush.Get());
}

// Bands of `width` pixels just inside the rectangle.
void Frame(HDC dc, const RECT& r, COLORREF colour, int width) {
  const int w = std::min<int>(width, std::min(r.right - r.left, r.bottom - r.top) / 2);
  Fill(dc, RECT{r.left, r.top, r.right, r.top + w}, colour);
  Fill(dc, RECT{r.left, r.bottom - w, r.right, r.bottom}, colour);
  Fill(dc, RECT{r.left, r.top, r.left + w, r.bottom}, colour);
  Fill(dc, RECT{r.right - w, r.top, r.right, r.bottom}, colour);
}

}  // namespace

FacePainter::FacePainter(std::string picturesFolder) : folder_(std::move(picturesFolder)) {}

const FacePainter::Source& FacePainter::Picture(const std::string& name) {
  auto found = sources_.find(name);
  if (found == sources_.end()) {
    Source source;
    source.why = winui::LoadImageFile(folder_ + "\\" + name, source.image);
    found = sources_.emplace(name, std::move(source)).first;
  }
  if (!found->second.why.empty()) unreadable_[name] = found->second.why;
  return found->second;
}

const FacePainter::ScaledPicture* FacePainter::Scaled(const std::string& name, int width, int height) {
  const auto key = std::make_tuple(name, width, height);
  if (auto found = scaled_.find(key); found != scaled_.end()) return &found->second;
  const Source& source = Picture(name);
  if (!source.why.empty()) return nullptr;
  ScaledPicture scaled;
  if (std::wstring why = winui::ScaleImage(source.image, width, height, scaled.image); !why.empty()) {
    unreadable_[name] = why;
    return nullptr;
  }
  scaled.section.Reset(winui::MakeImageSection(scaled.image));
  return &scaled_.emplace(key, std::move(scaled)).first->second;
}

HFONT FacePainter::Font(const std::wstring& face, int pixels) {
  auto& font = fonts_[{face, pixels}];
  if (!font) {
    LOGFONTW lf{};
    lf.lfHeight = -pixels;
    lf.lfWeight = FW_BOLD;
    lf.lfCharSet = SHIFTJIS_CHARSET;
    // Grey edges at most: ClearType would tie the saved bitmap to the screen it was made on.
    lf.lfQuality = ANTIALIASED_QUALITY;
    face.copy(lf.lfFaceName, LF_FACESIZE - 1);
    font.Reset(CreateFontIndirectW(&lf));
  }
  return font.Get();
}

void FacePainter::DrawLabel(HDC dc, const ButtonFace& face, const RECT& cell, const Box& box) {
  std::vector<std::wstring> lines;
  for (const std::string& line : face.lines) lines.push_back(winui::SjisToWide(line));
  while (!lines.empty() && lines.back().empty()) lines.pop_back();
  const std::wstring fontFace = LabelFontOrDefault(winui::SjisToWide(face.font), Fonts());
  auto measure = [&](int pixels, std::vector<SIZE>* sizes) {
    winui::ScopedSelectObject select(dc, Font(fontFace, pixels));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    Extent block{0, 0};
    for (const std::wstring& line : lines) {
      SIZE size{0, metrics.tmHeight};
      if (!line.empty()) GetTextExtentPoint32W(dc, line.c_str(), static_cast<int>(line.size()), &size);
      size.cy = metrics.tmHeight;
      block.width = std::max<int>(block.width, size.cx);
      block.height += size.cy;
      if (sizes) sizes->push_back(size);
    }
    return block;
  };
  int pixels = face.fontPixels;
  if (!pixels) {
    std::wstring text;
    for (const std::wstring& line : lines) text += line + L'\n';
    const auto key = std::make_tuple(fontFace, text, box.width, box.height);
    auto found = fitted_.find(key);
    if (found == fitted_.end()) {
      // No line is drawn taller than its share of the box.
      const int largest = box.height / std::max<int>(1, static_cast<int>(lines.size()));
      found = fitted_.emplace(key, FitFontPixels(box, largest, [&](int px) { return measure(px, nullptr); })).first;
    }
    pixels = found->second;
  }
  std::vector<SIZE> sizes;
  const Box block = PlaceLabel(measure(pixels, &sizes), box, face.position);
  winui::ScopedSelectObject select(dc, Font(fontFace, pixels));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ToColorRef(face.ink));
  SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
  int y = block.top;
  for (size_t i = 0; i < lines.size(); ++i) {
    const int x = block.left + (block.width - sizes[i].cx) / 2;
    ExtTextOutW(dc, x, y, ETO_CLIPPED, &cell, lines[i].c_str(), static_cast<UINT>(lines[i].size()), nullptr);
    y += sizes[i].cy;
  }
}

void FacePainter::DrawFace(HDC dc, const ButtonFace& face, const RECT& cell) {
  if (face.fill) Fill(dc, cell, ToColorRef(*face.fill));
  const FaceBoxes boxes = SplitCell(ToBox(cell), face);
  if (!boxes.picture.Empty()) {
    const Source& source = Picture(face.picture);
    const Box fitted = FitPicture({source.image.width, source.image.height}, boxes.picture);
    if (!fitted.Empty()) {
      if (const ScaledPicture* scaled = Scaled(face.picture, fitted.width, fitted.height)) {
        winui::DrawImageSection(dc, scaled->section.Get(), fitted.width, fitted.height, fitted.left, fitted.top, cell);
      }
    }
  }
  if (!boxes.label.Empty()) DrawLabel(dc, face, cell, boxes.label);
  if (face.frame && face.frameWidth > 0) Frame(dc, cell, ToColorRef(*face.frame), face.frameWidth);
}

void FacePainter::DrawCell(HDC target, const PanelFaces& faces, const winui::Picture& base,
                           const panel::PanelGrid& grid, int columns, int rows, int ordinal) {
  const panel::PixelRect r = grid.CellRect({ordinal % columns, ordinal / columns});
  const RECT cell{r.left, r.top, r.right, r.bottom};
  {
    winui::MemoryDc source(target);
    winui::ScopedSelectObject select(source.Get(), base.Handle());
    BitBlt(target, cell.left, cell.top, r.right - r.left, r.bottom - r.top, source.Get(), cell.left, cell.top, SRCCOPY);
  }
  if (const auto face = faces.faces.find(ordinal); face != faces.faces.end()) DrawFace(target, face->second, cell);
  if (faces.background.grid) {
    // The line on each cell's left and top edges, and closing the grid on the last column and row.
    const COLORREF line = ToColorRef(*faces.background.grid);
    Fill(target, RECT{cell.left, cell.top, cell.right, cell.top + 1}, line);
    Fill(target, RECT{cell.left, cell.top, cell.left + 1, cell.bottom}, line);
    if (ordinal % columns == columns - 1) Fill(target, RECT{cell.right - 1, cell.top, cell.right, cell.bottom}, line);
    if (ordinal / columns == rows - 1) Fill(target, RECT{cell.left, cell.bottom - 1, cell.right, cell.bottom}, line);
  }
}

bool FacePainter::DrawPanel(const PanelFaces& faces, const winui::Picture& base, const panel::PanelGrid& grid,
                            int columns, int rows, winui::Picture& target) {
  winui::Picture drawn;
  if (!drawn.Create(base.Width(), base.Height(), RGB(255, 255, 255))) return false;
  {
    winui::MemoryDc dc;
    winui::ScopedSelectObject select(dc.Get(), drawn.Handle());
    {
      winui::MemoryDc source(dc.Get());
      winui::ScopedSelectObject selectBase(source.Get(), base.Handle());
      BitBlt(dc.Get(), 0, 0, base.Width(), base.Height(), source.Get(), 0, 0, SRCCOPY);
    }
    for (int ordinal = 0; ordinal < columns * rows; ++ordinal) DrawCell(dc.Get(), faces, base, grid, columns, rows, ordinal);
  }
  GdiFlush();
  target = std::move(drawn);
  return true;
}

std::wstring FacePainter::MakeBackground(const PanelBackground& background, int width, int height,
                                         winui::Picture& out) {
  winui::Picture made;
  if (!made.Create(width, height, ToColorRef(background.colour))) return L"背景を作れません。";
  if (background.kind == BackgroundKind::Picture) {
    const Source& source = Picture(background.picture);
    if (!source.why.empty()) return source.why;
    const Box panel{0, 0, width, height};
    const Extent size{source.image.width, source.image.height};
    const Box placed = background.fit == BackgroundFit::Fit ? FitPicture(size, panel) : CoverWith(size, panel);
    const ScaledPicture* scaled = Scaled(background.picture, placed.width, placed.height);
    if (!scaled) return unreadable_[background.picture];
    winui::MemoryDc dc;
    winui::ScopedSelectObject select(dc.Get(), made.Handle());
    winui::DrawImageSection(dc.Get(), scaled->section.Get(), placed.width, placed.height, placed.left, placed.top,
                            RECT{0, 0, width, height});
  }
  GdiFlush();
  out = std::move(made);
  return {};
}

const std::vector<std::wstring>& FacePainter::Fonts() {
  if (fontNames_.empty()) fontNames_ = LegibleJapaneseFonts();
  return fontNames_;
}

std::map<std::string, std::wstring> FacePainter::TakeUnreadable() { return std::exchange(unreadable_, {}); }

void FacePainter::Forget(const std::string& name) {
  sources_.erase(name);
  std::erase_if(scaled_, [&](const auto& entry) { return std::get<0>(entry.first) == name; });
}
