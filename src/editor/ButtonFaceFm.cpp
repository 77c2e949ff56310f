#include "editor/ButtonFaceFm.h"

#include <commdlg.h>

#include <algorithm>

#include "data/FaceFonts.h"
#include "data/PanelFaceFiles.h"
#include "faces/FaceLayout.h"
#include "winui/MessageBox.h"
#include "winui/TextConv.h"

using namespace faces;

namespace {

constexpr int kSizes[] = {10, 12, 14, 16, 18, 20, 24, 28, 32, 36, 40, 48, 56, 64, 72, 96};
constexpr int kLeft = 110;

void AddItem(HWND combo, const std::wstring& text, LPARAM data) {
  const LRESULT at = SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  SendMessageW(combo, CB_SETITEMDATA, at, data);
}

void SelectData(HWND combo, LPARAM data) {
  const int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    if (SendMessageW(combo, CB_GETITEMDATA, i, 0) == data) {
      SendMessageW(combo, CB_SETCURSEL, i, 0);
      return;
    }
  }
  SendMessageW(combo, CB_SETCURSEL, 0, 0);
}

LPARAM SelectedData(HWND combo) {
  const LRESULT at = SendMessageW(combo, CB_GETCURSEL, 0, 0);
  return at < 0 ? 0 : SendMessageW(combo, CB_GETITEMDATA, at, 0);
}

// A label line as the face file can keep it: Shift-JIS, no tab.
std::string LineOf(HWND edit) {
  std::wstring text = winui::GetText(edit);
  std::replace(text.begin(), text.end(), L'\t', L' ');
  return winui::WideToSjis(text).value_or(std::string());
}

}  // namespace

std::optional<std::wstring> AskForPictureFile(HWND owner) {
  wchar_t path[MAX_PATH * 4] = L"";
  OPENFILENAMEW open{};
  open.lStructSize = sizeof(open);
  open.hwndOwner = owner;
  open.lpstrFilter = L"画像 (PNG, JPEG, GIF, BMP, ICO)\0*.png;*.jpg;*.jpeg;*.gif;*.bmp;*.ico\0すべてのファイル\0*.*\0";
  open.lpstrFile = path;
  open.nMaxFile = static_cast<DWORD>(std::size(path));
  open.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  if (!GetOpenFileNameW(&open)) return std::nullopt;
  return std::wstring(path);
}

bool ChooseFacePicture(HWND owner, FaceEditing& editing, const std::function<std::optional<std::wstring>(HWND)>& ask,
                       std::string& picture, HWND nameLabel) {
  const std::optional<std::wstring> path = ask ? ask(owner) : std::nullopt;
  if (!path || !editing.Table()) return false;
  std::string name;
  if (std::wstring why = ImportFacePicture(*editing.Table(), *path, name); !why.empty()) {
    winui::ShowWarning(owner, L"この画像は使えません。\n" + *path + L"\n" + why);
    return false;
  }
  editing.Painter().Forget(name);  // a file of that name may have been there before
  picture = std::move(name);
  winui::SetText(nameLabel, winui::SjisToWide(picture));
  return true;
}

bool TButtonFaceFm::CreateForm(HWND owner, int ordinal, const std::wstring& title) {
  ordinal_ = ordinal;
  title_ = title;
  ChoosePictureFile = AskForPictureFile;
  return Create(winui::DialogDescription(kClassName, title + L" - ボタンの見た目", 570, 336, owner));
}

void TButtonFaceFm::OnCreate() {
  HFONT font = FontHandle();
  const HWND me = Handle();
  loading_ = true;
  winui::CreateLabel(me, L"ラベル（３行まで）", 16, 13, font);
  for (int i = 0; i < kMaxLabelLines; ++i) {
    Lines[i] = winui::CreateEdit(me, kLine1 + i, L"", {kLeft, 10 + 26 * i, 220, 21}, font, 40, winui::ImeMode::On);
  }
  winui::CreateLabel(me, L"フォント", 16, 93, font);
  FontList = winui::CreateComboBox(me, kFont, {kLeft, 90, 220, 21}, font);
  for (const std::wstring& name : editing_.Painter().Fonts()) AddItem(FontList, name, 0);
  winui::CreateLabel(me, L"文字の大きさ", 16, 119, font);
  SizeList = winui::CreateComboBox(me, kSize, {kLeft, 116, 100, 21}, font);
  AddItem(SizeList, L"合わせる", 0);
  for (int size : kSizes) AddItem(SizeList, std::to_wstring(size) + L" ドット", size);
  winui::CreateLabel(me, L"文字の色", 16, 145, font);
  Ink.Create(me, kInk, {kLeft, 142, 100, 21}, font, nullptr);
  winui::CreateLabel(me, L"文字の位置", 16, 171, font);
  PositionList = winui::CreateComboBox(me, kPosition, {kLeft, 168, 100, 21}, font);
  AddItem(PositionList, L"上", static_cast<LPARAM>(LabelPosition::Top));
  AddItem(PositionList, L"中央", static_cast<LPARAM>(LabelPosition::Middle));
  AddItem(PositionList, L"下", static_cast<LPARAM>(LabelPosition::Bottom));
  winui::CreateLabel(me, L"背景の色", 16, 197, font);
  Fill.Create(me, kFill, {kLeft, 194, 160, 21}, font, L"なし（パネルの背景）");
  winui::CreateLabel(me, L"枠の色と太さ", 16, 223, font);
  FrameColour.Create(me, kFrame, {kLeft, 220, 100, 21}, font, L"なし");
  FrameWidthList = winui::CreateComboBox(me, kFrameWidth, {kLeft + 106, 220, 70, 21}, font);
  for (int w = 1; w <= 10; ++w) AddItem(FrameWidthList, std::to_wstring(w) + L" ドット", w);
  winui::CreateLabel(me, L"画像", 16, 249, font);
  PictureName = winui::CreateEdit(me, kPictureName, L"", {kLeft, 246, 120, 21}, font);
  SendMessageW(PictureName, EM_SETREADONLY, TRUE, 0);
  winui::CreateButton(me, kChoosePicture, L"選ぶ…", {kLeft + 124, 245, 48, 23}, font);
  winui::CreateButton(me, kNoPicture, L"なし", {kLeft + 176, 245, 44, 23}, font);
  winui::CreateLabel(me, L"画像の位置", 16, 275, font);
  PlaceList = winui::CreateComboBox(me, kPlace, {kLeft, 272, 120, 21}, font);
  AddItem(PlaceList, L"ラベルの上", static_cast<LPARAM>(PicturePlace::Above));
  AddItem(PlaceList, L"ラベルの左", static_cast<LPARAM>(PicturePlace::Beside));
  winui::CreateLabel(me, L"見本", kPreview.left, kPreview.top - 20, font);
  const HWND ok = winui::CreateButton(me, kOkButton, L"OK", {394, 300, 75, 25}, font);
  winui::CreateButton(me, kCancelButton, L"キャンセル", {475, 300, 75, 25}, font);
  SetDialogButtons(ok, kCancelButton);
  Load(editing_.FaceOf(ordinal_));
  loading_ = false;
  SetFocus(Lines[0]);
}

void TButtonFaceFm::Load(const ButtonFace& face) {
  for (int i = 0; i < kMaxLabelLines; ++i) {
    winui::SetText(Lines[i], i < static_cast<int>(face.lines.size()) ? winui::SjisToWide(face.lines[i]) : L"");
  }
  const std::wstring fontName = LabelFontOrDefault(winui::SjisToWide(face.font), editing_.Painter().Fonts());
  SendMessageW(FontList, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(fontName.c_str()));
  SelectData(SizeList, face.fontPixels);
  if (face.fontPixels && SelectedData(SizeList) != face.fontPixels) {
    AddItem(SizeList, std::to_wstring(face.fontPixels) + L" ドット", face.fontPixels);
    SelectData(SizeList, face.fontPixels);
  }
  Ink.Set(face.ink);
  SelectData(PositionList, static_cast<LPARAM>(face.position));
  Fill.Set(face.fill);
  FrameColour.Set(face.frameWidth > 0 ? face.frame : std::nullopt);
  SelectData(FrameWidthList, std::max(1, std::min(face.frameWidth, 10)));
  picture_ = face.picture;
  winui::SetText(PictureName, winui::SjisToWide(picture_));
  SelectData(PlaceList, static_cast<LPARAM>(face.place));
}

ButtonFace TButtonFaceFm::Face() const {
  ButtonFace face;
  for (HWND line : Lines) face.lines.push_back(LineOf(line));
  while (!face.lines.empty() && face.lines.back().empty()) face.lines.pop_back();
  const std::wstring fontName = winui::GetText(FontList);
  if (fontName != editing_.Painter().Fonts().front()) face.font = winui::WideToSjis(fontName).value_or(std::string());
  face.fontPixels = static_cast<int>(SelectedData(SizeList));
  face.ink = Ink.Get().value_or(Colour{});
  face.position = static_cast<LabelPosition>(SelectedData(PositionList));
  face.fill = Fill.Get();
  face.frame = FrameColour.Get();
  face.frameWidth = face.frame ? static_cast<int>(SelectedData(FrameWidthList)) : 0;
  face.picture = picture_;
  face.place = static_cast<PicturePlace>(SelectedData(PlaceList));
  return face;
}

void TButtonFaceFm::ChoosePicture() {
  if (ChooseFacePicture(Handle(), editing_, ChoosePictureFile, picture_, PictureName)) Changed();
}

void TButtonFaceFm::Changed() {
  if (loading_) return;
  RECT preview = kPreview;
  InvalidateRect(Handle(), &preview, FALSE);
}

void TButtonFaceFm::OnCommand(int id, int code, HWND /*control*/) {
  const int button = ClickedButton(id, code);
  if (button == kOkButton) SetModalResult(winui::ModalResult::Ok);
  if (button == kCancelButton) SetModalResult(winui::ModalResult::Cancel);
  if (button == kChoosePicture) ChoosePicture();
  if (button == kNoPicture) {
    picture_.clear();
    winui::SetText(PictureName, L"");
    Changed();
  }
  if (code == CBN_SELCHANGE) {
    if (id == kInk) Ink.OnSelChange(Handle());
    if (id == kFill) Fill.OnSelChange(Handle());
    if (id == kFrame) FrameColour.OnSelChange(Handle());
    Changed();
  }
  if (code == EN_CHANGE && id >= kLine1 && id <= kLine3) Changed();
}

void TButtonFaceFm::OnPaint(HDC dc, const RECT& /*dirty*/) {
  const panel::CPanelTable* table = editing_.Table();
  if (!table || table->Columns() <= 0) return;
  const int w = table->CellWidth();
  const int h = table->CellHeight();
  winui::Picture cell;
  if (!cell.Create(w, h, RGB(255, 255, 255))) return;
  {
    winui::MemoryDc cellDc(dc);
    winui::ScopedSelectObject selectCell(cellDc.Get(), cell.Handle());
    if (!editing_.Background().Empty()) {
      winui::MemoryDc source(dc);
      winui::ScopedSelectObject selectSource(source.Get(), editing_.Background().Handle());
      BitBlt(cellDc.Get(), 0, 0, w, h, source.Get(), (ordinal_ % table->Columns()) * w,
             (ordinal_ / table->Columns()) * h, SRCCOPY);
    }
    editing_.Painter().DrawFace(cellDc.Get(), Face(), RECT{0, 0, w, h});
    editing_.Painter().TakeUnreadable();  // told when the face is applied
    // Shown at its own size where it fits, so the preview is what the panel shows.
    const Box area{kPreview.left, kPreview.top, kPreview.right - kPreview.left, kPreview.bottom - kPreview.top};
    Box shown = FitPicture({w, h}, area);
    if (shown.width > w) shown = Box{area.left + (area.width - w) / 2, area.top + (area.height - h) / 2, w, h};
    FillRect(dc, &kPreview, GetSysColorBrush(COLOR_BTNFACE));
    SetStretchBltMode(dc, HALFTONE);
    StretchBlt(dc, shown.left, shown.top, shown.width, shown.height, cellDc.Get(), 0, 0, w, h, SRCCOPY);
  }
}
