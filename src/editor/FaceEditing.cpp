#include "editor/FaceEditing.h"

#include "data/PanelFaceFiles.h"
#include "winui/MessageBox.h"
#include "winui/TextConv.h"

using namespace faces;

void FaceEditing::Load(HWND owner, const panel::CPanelTable& table, const winui::Picture& panelImage) {
  table_ = &table;
  painter_.emplace(FacePathsOf(table).picturesFolder);
  const FacesLoad load = LoadPanelFaces(table, panelImage, faces_, background_);
  faces_.shape = ShapeOf(table);
  active_ = load.found == FacesFound::Loaded;
  damagedFile_ = load.found == FacesFound::Damaged;
  if (!load.problem.empty()) winui::ShowWarning(owner, load.problem);
}

void FaceEditing::Restore(PanelFaces faces, winui::Picture background) {
  faces.shape = faces_.shape;
  faces_ = std::move(faces);
  background_ = std::move(background);
  active_ = true;
}

ButtonFace FaceEditing::FaceOf(int ordinal) const {
  const auto found = faces_.faces.find(ordinal);
  return found == faces_.faces.end() ? ButtonFace{} : found->second;
}

void FaceEditing::Begin(const winui::Picture& panelImage) {
  if (active_) return;
  CopyPicture(panelImage, background_);
  active_ = true;
}

void FaceEditing::Redraw(winui::Picture& panelImage, std::optional<int> ordinal) {
  const panel::PanelGrid grid(table_->CellWidth(), table_->CellHeight(), table_->Columns(), table_->Rows());
  if (!ordinal) {
    painter_->DrawPanel(faces_, background_, grid, table_->Columns(), table_->Rows(), panelImage);
    return;
  }
  winui::MemoryDc dc;
  winui::ScopedSelectObject select(dc.Get(), panelImage.Handle());
  painter_->DrawCell(dc.Get(), faces_, background_, grid, table_->Columns(), table_->Rows(), *ordinal);
  GdiFlush();
}

void FaceEditing::TellUnreadable(HWND owner) {
  const std::map<std::string, std::wstring> unreadable = painter_->TakeUnreadable();
  if (unreadable.empty()) return;
  std::wstring text = L"次の画像を読めないので、描かずにおきます。";
  for (const auto& [name, why] : unreadable) text += L"\n" + winui::SjisToWide(name) + L"：" + why;
  winui::ShowWarning(owner, text);
}

void FaceEditing::SetFace(HWND owner, int ordinal, const ButtonFace& face, winui::Picture& panelImage) {
  if (!table_) return;
  Begin(panelImage);
  PutFace(ordinal, face);
  Redraw(panelImage, ordinal);
  TellUnreadable(owner);
}

bool FaceEditing::SetBackground(HWND owner, const PanelBackground& background, winui::Picture& panelImage) {
  if (!table_) return false;
  Begin(panelImage);
  if (background.kind != BackgroundKind::Kept) {
    winui::Picture made;
    if (std::wstring why = painter_->MakeBackground(background, panelImage.Width(), panelImage.Height(), made);
        !why.empty()) {
      winui::ShowWarning(owner, L"パネルの背景を作れません。\n" + why);
      return false;
    }
    background_ = std::move(made);
  }
  faces_.background = background;
  Redraw(panelImage, std::nullopt);
  TellUnreadable(owner);
  return true;
}

void FaceEditing::PutFace(int ordinal, const ButtonFace& face) {
  if (face.Blank()) {
    faces_.faces.erase(ordinal);
  } else {
    faces_.faces[ordinal] = face;
  }
}

void FaceEditing::DrawForSave(HWND owner, winui::Picture& panelImage) {
  if (!active_) return;
  Redraw(panelImage, std::nullopt);
  TellUnreadable(owner);
}

void FaceEditing::SaveFiles(HWND owner) {
  if (!active_) return;
  if (damagedFile_ &&
      !winui::AskYesNoDefaultNo(owner, L"読めなかったボタンの見た目のファイルを、今の見た目で置き換えますか？\n" +
                                           winui::SjisToWide(FacePathsOf(*table_).faceFile))) {
    return;
  }
  if (std::wstring why = SavePanelFaces(*table_, faces_, background_); !why.empty()) {
    winui::ShowWarning(owner, L"ボタンの見た目を保存できませんでした。\n" + winui::SjisToWide(FacePathsOf(*table_).faceFile) +
                                  L"\n" + why + L"\nパネルのビットマップは保存されています。");
    return;
  }
  damagedFile_ = false;
}
