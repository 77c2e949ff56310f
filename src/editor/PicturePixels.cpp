#include "editor/PicturePixels.h"

#include <algorithm>
#include <cstring>

#include "table/PanelEdits.h"
#include "winui/Gdi.h"

using namespace panel;

namespace {

struct Bits {
  std::uint8_t* first = nullptr;
  int stride = 0;
};

// The picture is a DIB section of top-down rows; its bits are ours to touch
// once the drawing queued on them is done.
Bits BitsOf(const winui::Picture& picture) {
  DIBSECTION section{};
  if (picture.Empty() || GetObjectW(picture.Handle(), sizeof(section), &section) != sizeof(section)) return {};
  GdiFlush();
  return {static_cast<std::uint8_t*>(section.dsBm.bmBits), section.dsBm.bmWidthBytes};
}

PixelRect Clipped(const winui::Picture& picture, const PixelRect& r) {
  PixelRect c{std::max(r.left, 0), std::max(r.top, 0), std::min(r.right, picture.Width()),
              std::min(r.bottom, picture.Height())};
  if (c.right < c.left) c.right = c.left;
  if (c.bottom < c.top) c.bottom = c.top;
  return c;
}

}  // namespace

std::vector<std::uint8_t> PicturePixels::ReadPixels(const PixelRect& rect) const {
  const PixelRect r = Clipped(picture_, rect);
  const Bits bits = BitsOf(picture_);
  std::vector<std::uint8_t> out;
  if (!bits.first) return out;
  out.reserve(static_cast<std::size_t>(r.Area()) * 3);
  for (int y = r.top; y < r.bottom; ++y) {
    const std::uint8_t* row = bits.first + static_cast<std::ptrdiff_t>(y) * bits.stride;
    out.insert(out.end(), row + r.left * 3, row + r.right * 3);
  }
  return out;
}

void PicturePixels::WritePixels(const PixelRect& rect, const std::vector<std::uint8_t>& pixels) {
  const PixelRect r = Clipped(picture_, rect);
  const Bits bits = BitsOf(picture_);
  const std::size_t rowBytes = static_cast<std::size_t>(r.right - r.left) * 3;
  if (!bits.first || r != rect || pixels.size() != rowBytes * static_cast<std::size_t>(r.bottom - r.top)) return;
  for (int y = r.top; y < r.bottom; ++y) {
    std::memcpy(bits.first + static_cast<std::ptrdiff_t>(y) * bits.stride + r.left * 3,
                pixels.data() + static_cast<std::size_t>(y - r.top) * rowBytes, rowBytes);
  }
}

std::unique_ptr<IEdit> StampText(const winui::Picture& picture, POINT at, int ordinal, const std::wstring& text) {
  PicturePixels pixels(picture);
  winui::MemoryDc dc;
  winui::ScopedSelectObject select(dc.Get(), picture.Handle());
  SIZE extent{};
  GetTextExtentPoint32W(dc.Get(), text.c_str(), static_cast<int>(text.size()), &extent);
  // A margin for glyphs that reach beyond their advance; only the pixels that
  // really changed are kept.
  const int margin = 4;
  const PixelRect around = Clipped(picture, {at.x - margin, at.y - margin, at.x + extent.cx + margin,
                                             at.y + extent.cy + margin});
  const std::vector<std::uint8_t> before = pixels.ReadPixels(around);
  TextOutW(dc.Get(), at.x, at.y, text.c_str(), static_cast<int>(text.size()));
  return std::make_unique<PixelEdit>(ordinal, ChangedPixels(around, before, pixels.ReadPixels(around)));
}
