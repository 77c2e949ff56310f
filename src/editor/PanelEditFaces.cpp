// The edit window's faces: the face dialog and the panel background from the
// menu and keys, copy and paste of a face, and saving the panel drawn from them.
#include "editor/ButtonFaceFm.h"
#include "editor/FaceEdits.h"
#include "editor/PanelBackgroundFm.h"
#include "editor/PanelEditFm.h"
#include "editor/PicturePixels.h"
#include "editor/PublishCheckFm.h"
#include "table/PanelCheck.h"
#include "winui/TextConv.h"

using namespace panel;

namespace {

std::optional<PixelPatch> Changed(const PixelRect& rect, const std::vector<std::uint8_t>& before,
                                  const winui::Picture& after) {
  return ChangedPixels(rect, before, PicturePixels(after).ReadPixels(rect));
}

}  // namespace

void TPanelEditFm::ApplyFaceChange(int ordinal, const faces::ButtonFace& face) {
  const bool began = !faces_.HasFaces();
  const faces::ButtonFace before = faces_.FaceOf(ordinal);
  const PixelRect cell = Grid().CellRect({ordinal % table_->Columns(), ordinal / table_->Columns()});
  const std::vector<std::uint8_t> pixels = PicturePixels(panelImage_).ReadPixels(cell);
  faces_.SetFace(Handle(), ordinal, face, panelImage_);
  framed_ = false;  // the repaint takes the frame away
  RecordEdit(std::make_unique<FaceEdit>(faces_, ordinal, before, face, began, Changed(cell, pixels, panelImage_)));
}

void TPanelEditFm::ApplyBackgroundChange(const faces::PanelBackground& background) {
  const bool began = !faces_.HasFaces();
  faces_.Begin(panelImage_);
  const faces::PanelBackground before = faces_.Faces().background;
  const PixelRect whole{0, 0, panelImage_.Width(), panelImage_.Height()};
  const std::vector<std::uint8_t> backgroundPixels = PicturePixels(faces_.BackgroundPicture()).ReadPixels(whole);
  const std::vector<std::uint8_t> pixels = PicturePixels(panelImage_).ReadPixels(whole);
  if (!faces_.SetBackground(Handle(), background, panelImage_)) {
    if (began) faces_.SetActive(false);
    return;
  }
  framed_ = false;
  RecordEdit(std::make_unique<BackgroundEdit>(faces_, before, background, began,
                                              Changed(whole, backgroundPixels, faces_.BackgroundPicture()),
                                              Changed(whole, pixels, panelImage_)));
}

std::unique_ptr<IEdit> TPanelEditFm::StampOnFaces(std::unique_ptr<IEdit> stamp, POINT at, int ordinal,
                                                  const std::wstring& text) {
  if (!faces_.HasFaces()) return stamp;
  return std::make_unique<StampWithBackground>(faces_, std::move(stamp),
                                               ::StampText(faces_.BackgroundPicture(), at, ordinal, text));
}

void TPanelEditFm::EditFace(GridCell cell) {
  const int ordinal = Grid().Ordinal(cell);
  winui::Owned<TButtonFaceFm> dialog(faces_);
  std::wstring title = winui::SjisToWide(CellLabel(ordinal, table_->Columns()));
  if (!title.empty() && title.back() == L'：') title.pop_back();  // the status line's colon
  if (!dialog.CreateForm(Handle(), ordinal, title)) return;
  if (winui::ShowModal(dialog, Handle()) != winui::ModalResult::Ok) return;
  const faces::ButtonFace face = dialog.Face();
  if (face != faces_.FaceOf(ordinal)) ApplyFaceChange(ordinal, face);
  MoveFrameTo(cell);
}

void TPanelEditFm::EditBackground() {
  winui::Owned<TPanelBackgroundFm> dialog(faces_);
  if (!dialog.CreateForm(Handle())) return;
  if (winui::ShowModal(dialog, Handle()) != winui::ModalResult::Ok) return;
  const faces::PanelBackground background = dialog.Background();
  if (background != faces_.Faces().background) ApplyBackgroundChange(background);
}

void TPanelEditFm::CopyFace(GridCell cell) { faces_.copied = faces_.FaceOf(Grid().Ordinal(cell)); }

void TPanelEditFm::PasteFace(GridCell cell) {
  if (!faces_.copied) return;
  const int ordinal = Grid().Ordinal(cell);
  if (*faces_.copied != faces_.FaceOf(ordinal)) ApplyFaceChange(ordinal, *faces_.copied);
  MoveFrameTo(cell);
}

SaveResult TPanelEditFm::SaveWithFaces() {
  faces_.DrawForSave(Handle(), panelImage_);
  InvalidateRect(Handle(), nullptr, FALSE);
  const SaveResult result = SaveTable(*table_, Handle(), panelImage_, Folders, ConfirmPublishDespite);
  if (result != SaveResult::NotSaved) faces_.SaveFiles(Handle());
  return result;
}
