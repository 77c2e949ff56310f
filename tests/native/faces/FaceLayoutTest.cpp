// Where a face's parts go in its cell and how large they are drawn.
#include <gtest/gtest.h>

#include "faces/FaceLayout.h"

using namespace faces;

namespace {

TEST(FaceLayout, PicturesKeepTheirProportionsWhetherFittedOrCovering) {
  const Box cell{100, 50, 80, 40};
  EXPECT_EQ(FitPicture({200, 50}, cell), (Box{100, 60, 80, 20}));   // wide: full width, centred down
  EXPECT_EQ(FitPicture({10, 10}, cell), (Box{120, 50, 40, 40}));    // small: enlarged
  EXPECT_EQ(FitPicture({1, 1000}, cell), (Box{139, 50, 1, 40}));     // never thinner than a pixel
  EXPECT_EQ(CoverWith({200, 50}, cell), (Box{60, 50, 160, 40}));     // cut off left and right
  EXPECT_EQ(CoverWith({10, 30}, cell), (Box{100, -50, 80, 240}));     // cut off above and below
  EXPECT_TRUE(FitPicture({0, 10}, cell).Empty());
  EXPECT_TRUE(CoverWith({10, 10}, Box{0, 0, 0, 5}).Empty());
}

TEST(FaceLayout, PictureAndLabelShareTheInsideOfTheFrame) {
  ButtonFace face;
  face.lines = {"a"};
  face.picture = "p.png";
  face.frame = Colour{};
  face.frameWidth = 2;
  const Box cell{0, 0, 80, 80};  // margin 5, frame 2: inside 7..73
  FaceBoxes above = SplitCell(cell, face);
  EXPECT_EQ(above.picture, (Box{7, 7, 66, 26}));
  EXPECT_EQ(above.label, (Box{7, 38, 66, 35}));
  face.place = PicturePlace::Beside;
  FaceBoxes beside = SplitCell(cell, face);
  EXPECT_EQ(beside.picture, (Box{7, 7, 26, 66}));
  EXPECT_EQ(beside.label, (Box{38, 7, 35, 66}));
  face.lines = {""};
  EXPECT_EQ(SplitCell(cell, face).picture, (Box{7, 7, 66, 66}));
  EXPECT_TRUE(SplitCell(cell, face).label.Empty());
}

TEST(FaceLayout, LabelTakesTheLargestSizeThatFitsAndItsPosition) {
  // A block of three lines whose width is twice its height per line.
  auto measure = [](int px) { return Extent{2 * px * 3, 3 * px}; };
  EXPECT_EQ(FitFontPixels({0, 0, 60, 60}, 100, measure), 10);
  EXPECT_EQ(FitFontPixels({0, 0, 600, 600}, 40, measure), 40);  // never beyond the largest asked
  EXPECT_EQ(FitFontPixels({0, 0, 5, 5}, 40, measure), kMinFontPixels);
  const Box box{10, 10, 60, 40};
  EXPECT_EQ(PlaceLabel({20, 10}, box, LabelPosition::Top), (Box{30, 10, 20, 10}));
  EXPECT_EQ(PlaceLabel({20, 10}, box, LabelPosition::Middle), (Box{30, 25, 20, 10}));
  EXPECT_EQ(PlaceLabel({20, 10}, box, LabelPosition::Bottom), (Box{30, 40, 20, 10}));
}

}  // namespace
