#pragma once
// Where the parts of a face go inside its cell, and how large its label and
// picture are drawn: arithmetic only, the platform measures the text.
#include <functional>

#include "faces/ButtonFace.h"

namespace faces {

struct Box {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const Box&) const = default;
  bool Empty() const { return width <= 0 || height <= 0; }
};

struct Extent {
  int width = 0;
  int height = 0;
};

// Space kept free along the cell's edges, inside any frame.
int CellMargin(Box cell);

// The picture scaled to the largest size inside `box` that keeps its
// proportions (also enlarged), centred. Empty for an empty picture or box.
Box FitPicture(Extent picture, Box box);
// The picture scaled to cover `box` whole, centred: what lies outside the box is cut off.
Box CoverWith(Extent picture, Box box);

struct FaceBoxes {
  Box picture;  // empty without a picture
  Box label;    // empty without a label
};
// The cell's inside (margin and frame off) shared between the picture and
// the label: the picture above the label or to its left, two fifths of the
// space; either alone takes all of it.
FaceBoxes SplitCell(Box cell, const ButtonFace& face);

// The largest text height from kMinFontPixels up to `largest` whose label
// block `measure(height)` fits inside `box`; kMinFontPixels when none does.
int FitFontPixels(Box box, int largest, const std::function<Extent(int pixels)>& measure);

// The label block placed in its box: centred across, at the top, middle or
// bottom. A block larger than the box overhangs it evenly across.
Box PlaceLabel(Extent block, Box box, LabelPosition position);

}  // namespace faces
