// The face file: what it keeps, and which damage it reports with its line.
#include <gtest/gtest.h>

#include "faces/FaceFile.h"

using namespace faces;

namespace {

const PanelShape kShape{80, 60, 3, 2};

TEST(FaceFile, KeepsEveryFieldAndWritesTheSameBytesAgain) {
  PanelFaces faces;
  faces.shape = kShape;
  faces.background = {BackgroundKind::Picture, "photo.jpg", BackgroundFit::Crop, {1, 2, 3}, Colour{200, 200, 200}};
  ButtonFace& tv = faces.faces[5];
  tv.lines = {"\x83\x65\x83\x8c\x83\x72", "", "ON"};  // テレビ (ソ-like trail bytes are plain bytes here)
  tv.font = "\x82\x6c\x82\x72 Gothic";
  tv.fontPixels = 18;
  tv.ink = {255, 255, 0};
  tv.position = LabelPosition::Bottom;
  tv.fill = Colour{0, 0, 128};
  tv.frame = Colour{255, 0, 0};
  tv.frameWidth = 3;
  tv.picture = "\x83\x5c\x83\x74\x83\x40.png";  // ソファ.png: 0x5C as a trail byte
  tv.place = PicturePlace::Beside;
  faces.faces[0].lines = {"A"};
  faces.faces[1] = ButtonFace{};  // blank: not written

  const std::string bytes = WriteFaceFile(faces);
  EXPECT_EQ(bytes.substr(0, 41), "PanelFaces 1\r\npanel\tcell=80x60\tgrid=3x2\r\n");
  PanelFaces read;
  ASSERT_FALSE(ParseFaceFile(bytes, kShape, read));
  faces.faces.erase(1);
  EXPECT_EQ(read, faces);
  EXPECT_EQ(WriteFaceFile(read), bytes);
}

TEST(FaceFile, ReportsDamageWithItsLineAndKeepsNothing) {
  const std::string head = "PanelFaces 1\npanel\tcell=80x60\tgrid=3x2\nbackground\tkind=kept\n";
  const struct {
    std::string text;
    FaceFileProblem problem;
    int line;
  } cases[] = {
      {"", FaceFileProblem::NotFaceFile, 1},
      {"\x82\xa0\n", FaceFileProblem::NotFaceFile, 1},
      {"PanelFaces 2\n", FaceFileProblem::NewerVersion, 1},
      {head + "face\t0\tline=a\nbutton\t1\n", FaceFileProblem::UnknownRecord, 5},
      {head + "face\t6\tline=a\n", FaceFileProblem::BadOrdinal, 4},
      {head + "face\t-1\n", FaceFileProblem::BadOrdinal, 4},
      {head + "face\n", FaceFileProblem::BadOrdinal, 4},
      {head + "face\t1\nface\t1\n", FaceFileProblem::DuplicateButton, 5},
      {head + "face\t1\tline=a\tline=b\tline=c\tline=d\n", FaceFileProblem::TooManyLines, 4},
      {head + "face\t1\tink=12345G\n", FaceFileProblem::BadField, 4},
      {head + "face\t1\tsize=2\n", FaceFileProblem::BadField, 4},
      {head + "face\t1\tframe=FF0000/0\n", FaceFileProblem::BadField, 4},
      {head + "face\t1\tcolour\n", FaceFileProblem::BadField, 4},
      {head + "face\t1\tpicture=..\\table.tbl\n", FaceFileProblem::BadPictureName, 4},
      {head + "face\t1\tpicture=nul.png\n", FaceFileProblem::BadPictureName, 4},
      {head + "face\t1\tpicture=c:x.png\n", FaceFileProblem::BadPictureName, 4},
      {"PanelFaces 1\r\npanel\tcell=80x60\tgrid=3x2\r\nbackground\tkind=picture\r\n", FaceFileProblem::BadField, 3},
      {"PanelFaces 1\r\npanel\tcell=80x60\tgrid=2x3\r\n", FaceFileProblem::OtherPanel, 2},
      {"PanelFaces 1\r\nbackground\tkind=kept\r\n", FaceFileProblem::OtherPanel, 2},
  };
  for (const auto& c : cases) {
    PanelFaces read;
    read.faces[0].lines = {"stale"};
    const FaceFileError error = ParseFaceFile(c.text, kShape, read);
    EXPECT_EQ(error.problem, c.problem) << c.text;
    EXPECT_EQ(error.line, c.line) << c.text;
    EXPECT_TRUE(read.faces.empty()) << c.text;
  }
}

}  // namespace
