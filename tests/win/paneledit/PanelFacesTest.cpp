// Faces in the edit window: a changed face redraws its own cell, saving gives
// the same bytes each time, and what cannot be read is told, never lost.
#include <windows.h>

#include <gtest/gtest.h>

#include "LayoutDump.h"
#include "PanelEditFixture.h"
#include "editor/ButtonFaceFm.h"
#include "winui/Controls.h"

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

TEST_F(PanelEdit, F2EditsTheFramedFaceCtrlShiftCopiesItToAnotherAndCtrlZTakesItBack) {
  Open(80, 60, 3, 2);
  faces::ButtonFace face = Filled({0, 0, 200});
  face.frame = faces::Colour{220, 0, 0};
  face.frameWidth = 3;
  window_->ApplyFaceChange(0, face);
  winui::ScopedModalHook hook(TButtonFaceFm::kClassName, [&](winui::Form& form) {
    auto& dialog = static_cast<TButtonFaceFm&>(form);
    EXPECT_EQ(winui::GetText(dialog.Handle()), L"ボタン1（1行目・1列目） - ボタンの見た目");
    EXPECT_EQ(dialog.Face(), face);  // what the controls show is the face
    const std::wstring layout = wintest::LayoutDump(dialog.Handle());
    EXPECT_EQ(layout.substr(0, layout.find(L"Static 16,93")),
              L"Static 16,13 11 \"ラベル（３行まで）\"\n"
              L"Edit 110,10 220x21 11 \"AB\"\n"
              L"Edit 110,36 220x21 11 \"\"\n"
              L"Edit 110,62 220x21 11 \"\"\n");
    winui::SetText(dialog.Lines[1], L"CD");
    SendMessageW(dialog.Handle(), WM_COMMAND, MAKEWPARAM(TButtonFaceFm::kOkButton, BN_CLICKED), 0);
  });
  wintest::PressKey(Window(), VK_F2, 0);
  ASSERT_EQ(hook.TimesRun(), 1);
  face.lines = {"AB", "CD"};
  EXPECT_EQ(window_->Faces().FaceOf(0), face);
  SetCursorPos(0, 0);  // the real pointer off the window, where it would take the frame
  SendMessageW(Window(), WM_MOUSEMOVE, 0, paneledit_test::At(5, 5));
  wintest::PressKey(Window(), 'C', wintest::kControl | wintest::kShift);
  wintest::PressKey(Window(), VK_RIGHT, 0);
  wintest::PressKey(Window(), 'V', wintest::kControl | wintest::kShift);
  EXPECT_EQ(window_->Faces().FaceOf(1), face);
  EXPECT_EQ(window_->PanelImage().PixelAt(81, 1), RGB(220, 0, 0));  // the frame drawn in cell 1
  // Undone, the face and its pixels are gone; redone, both are back.
  wintest::PressKey(Window(), 'Z', wintest::kControl);
  EXPECT_EQ(window_->Faces().FaceOf(1), faces::ButtonFace{});
  EXPECT_EQ(window_->PanelImage().PixelAt(81, 1), kWhite);
  wintest::PressKey(Window(), 'Y', wintest::kControl);
  EXPECT_EQ(window_->Faces().FaceOf(1), face);
  EXPECT_EQ(window_->PanelImage().PixelAt(81, 1), RGB(220, 0, 0));
  faces::PanelBackground green;
  green.kind = faces::BackgroundKind::Colour;
  green.colour = {0, 128, 0};
  window_->ApplyBackgroundChange(green);
  EXPECT_EQ(window_->PanelImage().PixelAt(162, 2), RGB(0, 128, 0));  // cell 2, no face of its own
  wintest::PressKey(Window(), 'Z', wintest::kControl);
  EXPECT_EQ(window_->PanelImage().PixelAt(162, 2), kWhite);
  EXPECT_EQ(window_->Faces().Faces().background, faces::PanelBackground{});
}

}  // namespace
