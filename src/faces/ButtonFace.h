#pragma once
// What a button looks like, as data: a label of up to three lines, a picture,
// colours and a frame; and the background of the whole panel. The panel
// bitmap is drawn from these, so they stay editable after it is saved.
// Texts and file names are Shift-JIS bytes, like the table's.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace faces {

struct Colour {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  bool operator==(const Colour&) const = default;
};

enum class LabelPosition { Top, Middle, Bottom };
enum class PicturePlace { Above, Beside };

inline constexpr int kMaxLabelLines = 3;
inline constexpr int kMaxFrameWidth = 20;
inline constexpr int kMinFontPixels = 6;
inline constexpr int kMaxFontPixels = 400;

struct ButtonFace {
  std::vector<std::string> lines;  // at most kMaxLabelLines, none holding a tab or line break
  std::string font;                // face name; empty: the first legible one present
  int fontPixels = 0;              // 0: the largest that fits the cell
  Colour ink{0, 0, 0};
  LabelPosition position = LabelPosition::Middle;
  std::optional<Colour> fill;      // none: the panel background shows through
  std::optional<Colour> frame;
  int frameWidth = 0;
  std::string picture;             // a file of the pictures folder; empty for none
  PicturePlace place = PicturePlace::Above;

  bool operator==(const ButtonFace&) const = default;
  bool HasLabel() const;
  // A face that draws nothing: the same as no face.
  bool Blank() const;
};

// Kept: the background as it stands; at first the panel's bitmap from before
// it had faces, stamps included.
enum class BackgroundKind { Kept, Picture, Colour };
enum class BackgroundFit { Fit, Crop };

struct PanelBackground {
  BackgroundKind kind = BackgroundKind::Kept;
  std::string picture;  // for Picture: a file of the pictures folder
  BackgroundFit fit = BackgroundFit::Fit;
  Colour colour{255, 255, 255};  // for Colour, and around a fitted picture
  std::optional<Colour> grid;    // lines between the cells
  bool operator==(const PanelBackground&) const = default;
};

// The grid the faces were made for: a face file of another panel that once had
// the same name is not taken for this one's.
struct PanelShape {
  int cellWidth = 0;
  int cellHeight = 0;
  int columns = 0;
  int rows = 0;
  bool operator==(const PanelShape&) const = default;
};

struct PanelFaces {
  PanelShape shape;
  PanelBackground background;
  std::map<int, ButtonFace> faces;  // by cell ordinal, row-major
  bool operator==(const PanelFaces&) const = default;
};

}  // namespace faces
