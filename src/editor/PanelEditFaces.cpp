// The edit window's faces: the face dialog and the panel background from the
// menu and keys, copy and paste of a face, and saving the panel drawn from them.
#include "editor/ButtonFaceFm.h"
#include "editor/PanelBackgroundFm.h"
#include "editor/PanelEditFm.h"
#include "editor/PublishCheckFm.h"
#include "table/PanelCheck.h"
#include "winui/TextConv.h"

using namespace panel;

void TPanelEditFm::ApplyFaceChange(int ordinal, const faces::ButtonFace& face) {
  faces_.SetFace(Handle(), ordinal, face, panelImage_);
  Modified = true;
  framed_ = false;
  InvalidateRect(Handle(), nullptr, FALSE);
  UpdateStatus();
}

void TPanelEditFm::ApplyBackgroundChange(const faces::PanelBackground& background) {
  if (!faces_.SetBackground(Handle(), background, panelImage_)) return;
  Modified = true;
  framed_ = false;
  InvalidateRect(Handle(), nullptr, FALSE);
  UpdateStatus();
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
