#pragma once
// Undo's view of the panel picture: rectangles of its pixels read and written
// in place, and a stamped text as an edit that keeps only what it changed.
#include <windows.h>

#include <memory>
#include <string>

#include "table/EditHistory.h"
#include "winui/Picture.h"

class PicturePixels : public panel::IPixelSurface {
 public:
  explicit PicturePixels(const winui::Picture& picture) : picture_(picture) {}
  // Rectangles are clipped to the picture.
  std::vector<std::uint8_t> ReadPixels(const panel::PixelRect& rect) const override;
  void WritePixels(const panel::PixelRect& rect, const std::vector<std::uint8_t>& pixels) override;

 private:
  const winui::Picture& picture_;
};

// Draws `text` into the picture at `at` in the surface's own font and colours
// (nothing is set before drawing), as the stamp of cell `ordinal`.
std::unique_ptr<panel::IEdit> StampText(const winui::Picture& picture, POINT at, int ordinal, const std::wstring& text);
