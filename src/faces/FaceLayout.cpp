#include "faces/FaceLayout.h"

#include <algorithm>
#include <cstdint>

namespace faces {

namespace {

Box Inset(Box b, int by) {
  return Box{b.left + by, b.top + by, std::max(0, b.width - 2 * by), std::max(0, b.height - 2 * by)};
}

Box Centred(int width, int height, Box box) {
  return Box{box.left + (box.width - width) / 2, box.top + (box.height - height) / 2, width, height};
}

}  // namespace

int CellMargin(Box cell) { return std::clamp(std::min(cell.width, cell.height) / 16, 1, 6); }

Box FitPicture(Extent picture, Box box) {
  if (picture.width <= 0 || picture.height <= 0 || box.Empty()) return {};
  // Compared as products, so no rounding picks the wrong side.
  const std::int64_t across = std::int64_t{box.width} * picture.height;
  const std::int64_t down = std::int64_t{box.height} * picture.width;
  int width = box.width;
  int height = box.height;
  if (across > down) {
    width = static_cast<int>(std::max<std::int64_t>(1, down / picture.height));
  } else {
    height = static_cast<int>(std::max<std::int64_t>(1, across / picture.width));
  }
  return Centred(width, height, box);
}

Box CoverWith(Extent picture, Box box) {
  if (picture.width <= 0 || picture.height <= 0 || box.Empty()) return {};
  const std::int64_t across = std::int64_t{box.width} * picture.height;
  const std::int64_t down = std::int64_t{box.height} * picture.width;
  int width = box.width;
  int height = box.height;
  if (across > down) {
    height = static_cast<int>((across + picture.width - 1) / picture.width);
  } else {
    width = static_cast<int>((down + picture.height - 1) / picture.height);
  }
  return Centred(width, height, box);
}

FaceBoxes SplitCell(Box cell, const ButtonFace& face) {
  const int frame = face.frame ? face.frameWidth : 0;
  const Box inside = Inset(cell, frame + CellMargin(cell));
  const bool picture = !face.picture.empty();
  const bool label = face.HasLabel();
  if (!picture || !label) return FaceBoxes{picture ? inside : Box{}, label ? inside : Box{}};
  const int gap = CellMargin(cell);
  if (face.place == PicturePlace::Above) {
    const int pictureHeight = inside.height * 2 / 5;
    return FaceBoxes{Box{inside.left, inside.top, inside.width, pictureHeight},
                     Box{inside.left, inside.top + pictureHeight + gap, inside.width,
                         std::max(0, inside.height - pictureHeight - gap)}};
  }
  const int pictureWidth = inside.width * 2 / 5;
  return FaceBoxes{Box{inside.left, inside.top, pictureWidth, inside.height},
                   Box{inside.left + pictureWidth + gap, inside.top, std::max(0, inside.width - pictureWidth - gap),
                       inside.height}};
}

int FitFontPixels(Box box, int largest, const std::function<Extent(int pixels)>& measure) {
  int low = kMinFontPixels;  // fits, or nothing does
  int high = std::max(low, std::min(largest, kMaxFontPixels));
  auto fits = [&](int pixels) {
    const Extent e = measure(pixels);
    return e.width <= box.width && e.height <= box.height;
  };
  if (fits(high)) return high;
  // Text grows with its height, so the sizes that fit are the ones below some bound.
  while (high - low > 1) {
    const int middle = low + (high - low) / 2;
    (fits(middle) ? low : high) = middle;
  }
  return low;
}

Box PlaceLabel(Extent block, Box box, LabelPosition position) {
  Box placed = Centred(block.width, block.height, box);
  if (position == LabelPosition::Top) placed.top = box.top;
  if (position == LabelPosition::Bottom) placed.top = box.top + box.height - block.height;
  return placed;
}

}  // namespace faces
