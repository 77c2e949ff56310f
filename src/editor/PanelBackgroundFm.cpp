#include "editor/PanelBackgroundFm.h"

#include "editor/ButtonFaceFm.h"
#include "winui/TextConv.h"

using namespace faces;

namespace {
bool Checked(HWND button) { return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }
void Check(HWND button, bool on) { SendMessageW(button, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0); }
}  // namespace

bool TPanelBackgroundFm::CreateForm(HWND owner) {
  ChoosePictureFile = AskForPictureFile;
  return Create(winui::DialogDescription(kClassName, L"パネルの背景", 380, 228, owner));
}

void TPanelBackgroundFm::OnCreate() {
  HFONT font = FontHandle();
  const HWND me = Handle();
  const PanelBackground& now = editing_.Faces().background;
  KeptRadio = winui::CreateRadioButton(me, kKept, L"今のビットマップのまま", {16, 12, 200, 20}, font, true);
  PictureRadio = winui::CreateRadioButton(me, kPicture, L"画像", {16, 40, 60, 20}, font, false);
  ColourRadio = winui::CreateRadioButton(me, kColour, L"色", {16, 96, 60, 20}, font, false);
  PictureName = winui::CreateEdit(me, kPictureName, winui::SjisToWide(now.picture), {80, 40, 190, 21}, font);
  SendMessageW(PictureName, EM_SETREADONLY, TRUE, 0);
  winui::CreateButton(me, kChoosePicture, L"選ぶ…", {276, 39, 60, 23}, font);
  FitList = winui::CreateComboBox(me, kFit, {80, 66, 190, 21}, font);
  SendMessageW(FitList, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"全体を入れる（余白は下の色）"));
  SendMessageW(FitList, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"切り取って埋める"));
  SendMessageW(FitList, CB_SETCURSEL, now.fit == BackgroundFit::Fit ? 0 : 1, 0);
  Colour.Create(me, kColourList, {80, 95, 120, 21}, font, nullptr);
  Colour.Set(now.colour);
  GridCheck = winui::CreateCheckBox(me, kGrid, L"ボタンの間に線を引く", {16, 136, 160, 20}, font);
  GridColour.Create(me, kGridColour, {180, 135, 120, 21}, font, nullptr);
  GridColour.Set(now.grid.value_or(faces::Colour{128, 128, 128}));
  Check(GridCheck, now.grid.has_value());
  Check(now.kind == BackgroundKind::Kept ? KeptRadio : now.kind == BackgroundKind::Picture ? PictureRadio : ColourRadio,
        true);
  picture_ = now.picture;
  const HWND ok = winui::CreateButton(me, kOkButton, L"OK", {204, 190, 75, 25}, font);
  winui::CreateButton(me, kCancelButton, L"キャンセル", {289, 190, 75, 25}, font);
  SetDialogButtons(ok, kCancelButton);
}

PanelBackground TPanelBackgroundFm::Background() const {
  PanelBackground background;
  background.kind = Checked(PictureRadio) ? BackgroundKind::Picture
                    : Checked(ColourRadio) ? BackgroundKind::Colour
                                           : BackgroundKind::Kept;
  background.picture = picture_;
  background.fit = SendMessageW(FitList, CB_GETCURSEL, 0, 0) == 1 ? BackgroundFit::Crop : BackgroundFit::Fit;
  background.colour = Colour.Get().value_or(faces::Colour{255, 255, 255});
  if (Checked(GridCheck)) background.grid = GridColour.Get();
  // Without a picture there is nothing to fit.
  if (background.kind == BackgroundKind::Picture && picture_.empty()) background.kind = BackgroundKind::Kept;
  return background;
}

void TPanelBackgroundFm::ChoosePicture() {
  if (!ChooseFacePicture(Handle(), editing_, ChoosePictureFile, picture_, PictureName)) return;
  Check(KeptRadio, false);
  Check(ColourRadio, false);
  Check(PictureRadio, true);
}

void TPanelBackgroundFm::OnCommand(int id, int code, HWND /*control*/) {
  const int button = ClickedButton(id, code);
  if (button == kOkButton) SetModalResult(winui::ModalResult::Ok);
  if (button == kCancelButton) SetModalResult(winui::ModalResult::Cancel);
  if (button == kChoosePicture) ChoosePicture();
  if (code == CBN_SELCHANGE && id == kColourList) Colour.OnSelChange(Handle());
  if (code == CBN_SELCHANGE && id == kGridColour) GridColour.OnSelChange(Handle());
}
