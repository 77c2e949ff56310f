// Faces in the edit window: a changed face redraws its own cell, saving gives
// the same bytes each time, and what cannot be read is told, never lost.
#include <windows.h>

#include <gtest/gtest.h>

#include "PanelEditFixture.h"

using paneledit_test::kWhite;
using paneledit_test::PanelEdit;
using storage_test::BoxRecorder;

namespace {

faces::ButtonFace Filled(faces::Colour fill, std::string picture = "") {
  faces::ButtonFace face;
  face.lines = {"AB"};
  face.fill = fill;
  face.picture = std::move(picture);
  return face;
}

TEST_F(PanelEdit, AFaceRedrawsItsCellAndSavingDrawsTheSameBytesAgain) {
  Open(80, 60, 3, 2);
  {
    BoxRecorder boxes;
    window_->ApplyFaceChange(1, Filled({0, 0, 200}, "gone.png"));
    ASSERT_EQ(boxes.boxes.size(), 1u);  // the missing picture is told, the rest drawn
    EXPECT_NE(boxes.Lines()[0].find(L"gone.png"), std::wstring::npos);
  }
  EXPECT_EQ(window_->PanelImage().PixelAt(82, 2), RGB(0, 0, 200));
  EXPECT_EQ(window_->PanelImage().PixelAt(2, 2), kWhite);
  EXPECT_TRUE(window_->Modified);
  BoxRecorder boxes({false});  // not published
  SendMessageW(window_->SaveButton, BM_CLICK, 0, 0);
  const std::vector<std::uint8_t> saved = storage_test::ReadBytes(folder_ / L"p.bmp");
  ASSERT_TRUE(storage_test::Exists(folder_ / L"機器操作A.faces.txt"));

  // Opened again, the faces are there and the bitmap is drawn to the same bytes.
  winui::Owned<TPanelEditFm> again(options_);
  ASSERT_TRUE(again.CreateForm(nullptr));
  ASSERT_EQ(again.LoadPanel(table_), L"");
  again.Folders = window_->Folders;
  EXPECT_EQ(again.Faces().Faces(), window_->Faces().Faces());
  SendMessageW(again.SaveButton, BM_CLICK, 0, 0);
  EXPECT_EQ(storage_test::ReadBytes(folder_ / L"p.bmp"), saved);
}

TEST_F(PanelEdit, ADamagedFaceFileIsToldAndReplacedOnlyWhenTheUserAgrees) {
  const std::string damaged = "PanelFaces 1\r\nface\t9\r\n";
  storage_test::WriteText(folder_ / L"機器操作A.faces.txt", damaged);
  {
    BoxRecorder boxes;
    Open(80, 60, 3, 2);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_NE(boxes.Lines()[0].find(L"2行目"), std::wstring::npos);
  }
  window_->ApplyFaceChange(0, Filled({0, 200, 0}));
  BoxRecorder boxes({false, false});  // not published, the face file kept
  SendMessageW(window_->SaveButton, BM_CLICK, 0, 0);
  ASSERT_EQ(boxes.boxes.size(), 2u);
  EXPECT_EQ(boxes.boxes[1].buttons, winui::MsgButtons::YesNoDefaultNo);
  EXPECT_EQ(storage_test::ReadBytes(folder_ / L"機器操作A.faces.txt"),
            std::vector<std::uint8_t>(damaged.begin(), damaged.end()));
  winui::Picture saved;
  ASSERT_EQ(saved.LoadFromFile(folder_.Sjis() + "\\p.bmp"), L"");
  EXPECT_EQ(saved.PixelAt(2, 2), RGB(0, 200, 0));
}

}  // namespace
