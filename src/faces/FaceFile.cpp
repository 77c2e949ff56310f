#include "faces/FaceFile.h"

#include <charconv>
#include <cstdio>
#include <vector>

#include "table/FileNames.h"
#include "table/SjisPath.h"

namespace faces {

namespace {

constexpr std::string_view kVersionLine = "PanelFaces 1";
constexpr std::string_view kVersionPrefix = "PanelFaces ";

std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  size_t start = 0;
  for (;;) {
    const size_t end = text.find(separator, start);
    parts.push_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}

std::optional<int> Number(std::string_view text, int low, int high) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text.empty() || value < low || value > high) {
    return std::nullopt;
  }
  return value;
}

std::optional<Colour> ReadColour(std::string_view text) {
  if (text.size() != 6) return std::nullopt;
  unsigned value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + 6, value, 16);
  if (error != std::errc() || end != text.data() + 6) return std::nullopt;
  return Colour{static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 8),
                static_cast<std::uint8_t>(value)};
}

std::string ColourText(Colour c) {
  char text[8];
  std::snprintf(text, sizeof text, "%02X%02X%02X", c.r, c.g, c.b);
  return text;
}

// A value as the file holds it: no tab or line break inside.
bool IsFieldValue(std::string_view value) { return value.find_first_of("\t\r\n") == std::string_view::npos; }

struct Field {
  std::string_view key;
  std::string_view value;
};

std::optional<Field> ReadField(std::string_view text) {
  const size_t eq = text.find('=');
  if (eq == std::string_view::npos) return std::nullopt;
  return Field{text.substr(0, eq), text.substr(eq + 1)};
}

FaceFileProblem ReadBackground(const std::vector<std::string_view>& parts, PanelBackground& out) {
  for (size_t i = 1; i < parts.size(); ++i) {
    const std::optional<Field> f = ReadField(parts[i]);
    if (!f) return FaceFileProblem::BadField;
    if (f->key == "kind" && f->value == "kept") {
      out.kind = BackgroundKind::Kept;
    } else if (f->key == "kind" && f->value == "picture") {
      out.kind = BackgroundKind::Picture;
    } else if (f->key == "kind" && f->value == "colour") {
      out.kind = BackgroundKind::Colour;
    } else if (f->key == "picture") {
      if (!IsPlainPictureName(f->value)) return FaceFileProblem::BadPictureName;
      out.picture = f->value;
    } else if (f->key == "fit" && (f->value == "fit" || f->value == "crop")) {
      out.fit = f->value == "fit" ? BackgroundFit::Fit : BackgroundFit::Crop;
    } else if (f->key == "colour" && ReadColour(f->value)) {
      out.colour = *ReadColour(f->value);
    } else if (f->key == "grid" && ReadColour(f->value)) {
      out.grid = ReadColour(f->value);
    } else {
      return FaceFileProblem::BadField;
    }
  }
  if (out.kind == BackgroundKind::Picture && out.picture.empty()) return FaceFileProblem::BadField;
  return FaceFileProblem::None;
}

FaceFileProblem ReadFace(const std::vector<std::string_view>& parts, ButtonFace& out) {
  for (size_t i = 2; i < parts.size(); ++i) {
    const std::optional<Field> f = ReadField(parts[i]);
    if (!f) return FaceFileProblem::BadField;
    if (f->key == "line") {
      if (out.lines.size() == kMaxLabelLines) return FaceFileProblem::TooManyLines;
      out.lines.emplace_back(f->value);
    } else if (f->key == "font") {
      out.font = f->value;
    } else if (f->key == "size" && f->value == "fit") {
      out.fontPixels = 0;
    } else if (f->key == "size" && Number(f->value, kMinFontPixels, kMaxFontPixels)) {
      out.fontPixels = *Number(f->value, kMinFontPixels, kMaxFontPixels);
    } else if (f->key == "ink" && ReadColour(f->value)) {
      out.ink = *ReadColour(f->value);
    } else if (f->key == "position" && (f->value == "top" || f->value == "middle" || f->value == "bottom")) {
      out.position = f->value == "top" ? LabelPosition::Top : f->value == "middle" ? LabelPosition::Middle : LabelPosition::Bottom;
    } else if (f->key == "fill" && ReadColour(f->value)) {
      out.fill = ReadColour(f->value);
    } else if (f->key == "frame" && f->value.size() > 7 && f->value[6] == '/' && ReadColour(f->value.substr(0, 6)) &&
               Number(f->value.substr(7), 1, kMaxFrameWidth)) {
      out.frame = ReadColour(f->value.substr(0, 6));
      out.frameWidth = *Number(f->value.substr(7), 1, kMaxFrameWidth);
    } else if (f->key == "picture") {
      if (!IsPlainPictureName(f->value)) return FaceFileProblem::BadPictureName;
      out.picture = f->value;
    } else if (f->key == "place" && (f->value == "above" || f->value == "beside")) {
      out.place = f->value == "above" ? PicturePlace::Above : PicturePlace::Beside;
    } else {
      return FaceFileProblem::BadField;
    }
  }
  return FaceFileProblem::None;
}

std::string ShapeLine(const PanelShape& shape) {
  return "panel\tcell=" + std::to_string(shape.cellWidth) + "x" + std::to_string(shape.cellHeight) + "\tgrid=" +
         std::to_string(shape.columns) + "x" + std::to_string(shape.rows);
}

}  // namespace

bool IsPlainPictureName(std::string_view name) {
  if (name.empty() || name == "." || name == ".." || !IsFieldValue(name)) return false;
  if (panel::FirstSjisBackslash(name) != std::string_view::npos) return false;
  if (name.find_first_of("/:*?\"<>|") != std::string_view::npos) return false;
  return !panel::NamesDevice(name) && panel::WithoutTrailingDotsAndBlanks(name) == name;
}

namespace {

std::optional<PanelShape> ReadShape(std::string_view line) {
  PanelShape shape;
  const int n = std::sscanf(std::string(line).c_str(), "panel\tcell=%dx%d\tgrid=%dx%d", &shape.cellWidth,
                            &shape.cellHeight, &shape.columns, &shape.rows);
  if (n != 4 || line != ShapeLine(shape)) return std::nullopt;
  return shape;
}

}  // namespace

FaceFileError ParseFaceFile(std::string_view bytes, const PanelShape& shape, PanelFaces& out) {
  out = PanelFaces{};
  std::vector<std::string_view> lines = Split(bytes, '\n');
  if (!lines.empty() && lines.back().empty()) lines.pop_back();
  for (std::string_view& line : lines) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  }
  if (lines.empty() || lines[0] != kVersionLine) {
    const bool later = !lines.empty() && lines[0].substr(0, kVersionPrefix.size()) == kVersionPrefix;
    return {later ? FaceFileProblem::NewerVersion : FaceFileProblem::NotFaceFile, 1};
  }
  const std::optional<PanelShape> read = lines.size() > 1 ? ReadShape(lines[1]) : std::nullopt;
  if (!read || *read != shape) return {FaceFileProblem::OtherPanel, 2};
  out.shape = shape;
  const int cellCount = shape.columns * shape.rows;
  for (size_t n = 2; n < lines.size(); ++n) {
    const int lineNumber = static_cast<int>(n) + 1;
    if (lines[n].empty()) continue;
    const std::vector<std::string_view> parts = Split(lines[n], '\t');
    FaceFileProblem problem = FaceFileProblem::None;
    if (parts[0] == "background") {
      problem = ReadBackground(parts, out.background);
    } else if (parts[0] == "face") {
      const std::optional<int> ordinal = parts.size() > 1 ? Number(parts[1], 0, cellCount - 1) : std::nullopt;
      problem = !ordinal                    ? FaceFileProblem::BadOrdinal
                : out.faces.count(*ordinal) ? FaceFileProblem::DuplicateButton
                                            : ReadFace(parts, out.faces[*ordinal]);
    } else {
      problem = FaceFileProblem::UnknownRecord;
    }
    if (problem != FaceFileProblem::None) {
      out = PanelFaces{};
      return {problem, lineNumber};
    }
  }
  return {};
}

std::string WriteFaceFile(const PanelFaces& faces) {
  std::string text(kVersionLine);
  text += "\r\n" + ShapeLine(faces.shape) + "\r\n";
  const PanelBackground& bg = faces.background;
  text += "background\tkind=";
  text += bg.kind == BackgroundKind::Kept ? "kept" : bg.kind == BackgroundKind::Picture ? "picture" : "colour";
  if (!bg.picture.empty()) text += "\tpicture=" + bg.picture;
  text += bg.fit == BackgroundFit::Fit ? "\tfit=fit" : "\tfit=crop";
  text += "\tcolour=" + ColourText(bg.colour);
  if (bg.grid) text += "\tgrid=" + ColourText(*bg.grid);
  text += "\r\n";
  for (const auto& [ordinal, face] : faces.faces) {
    if (face.Blank()) continue;
    text += "face\t" + std::to_string(ordinal);
    for (const std::string& line : face.lines) text += "\tline=" + line;
    if (!face.font.empty()) text += "\tfont=" + face.font;
    text += face.fontPixels ? "\tsize=" + std::to_string(face.fontPixels) : std::string("\tsize=fit");
    text += "\tink=" + ColourText(face.ink);
    text += face.position == LabelPosition::Top ? "\tposition=top"
            : face.position == LabelPosition::Middle ? "\tposition=middle"
                                                     : "\tposition=bottom";
    if (face.fill) text += "\tfill=" + ColourText(*face.fill);
    if (face.frame && face.frameWidth > 0) text += "\tframe=" + ColourText(*face.frame) + "/" + std::to_string(face.frameWidth);
    if (!face.picture.empty()) text += "\tpicture=" + face.picture;
    text += face.place == PicturePlace::Above ? "\tplace=above" : "\tplace=beside";
    text += "\r\n";
  }
  return text;
}

}  // namespace faces
