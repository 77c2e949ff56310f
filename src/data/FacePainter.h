#pragma once
// Draws the panel bitmap from its background and the buttons' faces: the same
// inputs always give the same pixels (fixed scaling filter, text without
// ClearType). Pictures are read once and kept; one that cannot be read is
// left out of the drawing and remembered with the reason.
#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "faces/ButtonFace.h"
#include "faces/FaceLayout.h"
#include "table/PanelGrid.h"
#include "winui/Gdi.h"
#include "winui/ImageFile.h"
#include "winui/Picture.h"

class FacePainter {
 public:
  // `picturesFolder`: where the faces' picture names are (Shift-JIS).
  explicit FacePainter(std::string picturesFolder);

  // `target` becomes `base` with every cell drawn over it.
  bool DrawPanel(const faces::PanelFaces& faces, const winui::Picture& base, const panel::PanelGrid& grid,
                 int columns, int rows, winui::Picture& target);
  // One cell of `target` drawn again: its part of `base`, the grid lines, its face.
  void DrawCell(HDC target, const faces::PanelFaces& faces, const winui::Picture& base, const panel::PanelGrid& grid,
                int columns, int rows, int ordinal);
  // A face over what `dc` holds in `cell`.
  void DrawFace(HDC dc, const faces::ButtonFace& face, const RECT& cell);

  // A background of the panel's size from a picture or a colour. "" or why.
  std::wstring MakeBackground(const faces::PanelBackground& background, int width, int height, winui::Picture& out);

  // The legible Japanese fonts of this machine, the first the default.
  const std::vector<std::wstring>& Fonts();

  // Pictures that could not be read since the last call, with the reasons; cleared by it.
  std::map<std::string, std::wstring> TakeUnreadable();
  // Reads the picture again next time (it was replaced).
  void Forget(const std::string& name);

 private:
  struct Source {
    winui::Image image;
    std::wstring why;
  };
  const Source& Picture(const std::string& name);
  struct ScaledPicture {
    winui::Image image;
    winui::Bitmap section;
  };
  const ScaledPicture* Scaled(const std::string& name, int width, int height);
  HFONT Font(const std::wstring& face, int pixels);
  void DrawLabel(HDC dc, const faces::ButtonFace& face, const RECT& cell, const faces::Box& box);

  std::string folder_;
  std::map<std::string, Source> sources_;
  std::map<std::tuple<std::string, int, int>, ScaledPicture> scaled_;
  // The fitted text height of a label in a box: the same on every redraw.
  std::map<std::tuple<std::wstring, std::wstring, int, int>, int> fitted_;
  std::map<std::pair<std::wstring, int>, winui::GdiObject<HFONT>> fonts_;
  std::map<std::string, std::wstring> unreadable_;
  std::vector<std::wstring> fontNames_;  // asked of the system once
};

COLORREF ToColorRef(faces::Colour c);
