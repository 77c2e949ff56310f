#include "app/NewPanelTab.h"

#include "app/ManagePanelFiles.h"
#include "app/OpenTable.h"
#include "data/WinFolderFiles.h"
#include "table/ManagePanelSteps.h"
#include "table/NewPanel.h"
#include "table/PanelNames.h"
#include "table/TableChecks.h"
#include "table/TableFileReader.h"
#include "winui/Contrast.h"
#include "winui/Controls.h"
#include "winui/Gdi.h"
#include "winui/MessageBox.h"
#include "winui/PictureBox.h"
#include "winui/SafeFile.h"
#include "winui/TextConv.h"

using namespace panel;

namespace {

constexpr wchar_t kBadIdentifier[] = L"ファイル識別子が不正です";
constexpr wchar_t kBadSize[] = L"ボタンサイズが不正です";
constexpr wchar_t kDeviceName[] = L"ビットマップファイル名に機器の名前（CON、PRN、AUX、NUL、COM1～COM9、LPT1～LPT9、CONIN$、CONOUT$）は使えません。\n"
                                  L"拡張子を付けても機器を指します。別の名前にしてください。";

int ReadNumber(HWND edit) { return ParseDecimalField(winui::WideToSjis(winui::GetText(edit)).value_or("")); }

const wchar_t* RefusalText(NewPanelRefusal refusal) {
  switch (refusal) {
    case NewPanelRefusal::BadSize:
      return kBadSize;
    case NewPanelRefusal::TooManyColumns:
      return L"横の数は24までにしてください。\nクロヴァンはそれより広いパネルを読めません。";
    case NewPanelRefusal::TooLarge:
      return L"パネルが大きすぎます。\n縦横それぞれ256個・32767ピクセルまで、全体で約6700万ピクセルまでにしてください。";
    case NewPanelRefusal::BitmapNameTooLong:
      return L"ビットマップファイル名が長すぎます。\n98バイト（全角49文字）までにしてください。";
    case NewPanelRefusal::BitmapNameIsDevice:
      return kDeviceName;
    case NewPanelRefusal::BitmapNameNotInside:
      return L"ビットマップファイル名が不正です。\n作業フォルダの中のファイル名にしてください。";
    case NewPanelRefusal::BitmapNameIsTable:
      return L"ビットマップファイル名が不正です。\nテーブルファイル（.tbl）の名前は使えません。";
    case NewPanelRefusal::None:
      break;
  }
  return L"";
}

}  // namespace

void NewPanelTab::Create(HWND page, HFONT font, HWND owner, std::string workFolder) {
  page_ = page;
  owner_ = owner;
  workFolder_ = std::move(workFolder);
  using winui::ImeMode;
  Label1 = winui::CreateLabel(page, L"テーブルファイル識別子", 26, 18, font);
  FileName = winui::CreateEdit(page, kFileName, L"", {140, 15, 25, 21}, font, 1, ImeMode::Off);
  Label2 = winui::CreateLabel(page, L"ビットマップファイル", 24, 46, font);
  BmpFileName = winui::CreateEdit(page, kBmpFileName, L"", {140, 43, 109, 21}, font, 0, ImeMode::Off);
  // Reached by mouse only.
  SetWindowLongPtrW(BmpFileName, GWL_STYLE, GetWindowLongPtrW(BmpFileName, GWL_STYLE) & ~WS_TABSTOP);
  CanChange = winui::CreateLabel(page, L"好きなファイル名に変更できます", 101, 70, font, kCanChange);
  ShowWindow(CanChange, SW_HIDE);
  winui::CreateLabel(page, L"横の数", 88, 104, font);
  YokoSuu = winui::CreateEdit(page, kYokoSuu, L"", {168, 101, 33, 21}, font, 0, ImeMode::Off);
  winui::CreateLabel(page, L"縦の数", 88, 133, font);
  TateSuu = winui::CreateEdit(page, kTateSuu, L"", {168, 130, 33, 21}, font, 0, ImeMode::Off);
  winui::CreateLabel(page, L"ボタンの巾", 88, 154, font);
  ButtonWidth = winui::CreateEdit(page, kButtonWidth, L"", {168, 154, 33, 21}, font, 0, ImeMode::Off);
  winui::CreateLabel(page, L"ボタンの高さ", 88, 186, font);
  ButtonHeight = winui::CreateEdit(page, kButtonHeight, L"", {168, 181, 33, 21}, font, 0, ImeMode::Off);
  OK_Button = winui::CreateButton(page, kOkButton, L"作成", {112, 235, 129, 25}, font);
  Image = winui::CreatePictureBox(page, {255, 0, 291, 295}, kImage);
  winui::SetPictureBoxPicture(Image, &image_);
}

bool NewPanelTab::OnCommand(int id, int code) {
  if (id == kFileName) {
    if (code == EN_KILLFOCUS) FileNameExit();
    return true;
  }
  if (id == kOkButton) {
    if (code == BN_CLICKED) OK_ButtonClick();
    return true;
  }
  return false;
}

HBRUSH NewPanelTab::OnCtlColorStatic(HDC dc, HWND control) {
  if (control != CanChange) return nullptr;
  SetTextColor(dc, winui::ContrastColor(RGB(255, 0, 0), COLOR_BTNTEXT));
  SetBkMode(dc, TRANSPARENT);
  return GetSysColorBrush(COLOR_BTNFACE);
}

void NewPanelTab::FileNameExit() {
  // Only when the focus moves on within this tab: leaving for another tab,
  // the exit button or another program is not a finished entry.
  HWND to = GetFocus();
  if (!to || !IsChild(page_, to)) return;
  const std::wstring text = winui::GetText(FileName);
  if (text.empty()) {
    winui::ShowWarning(owner_, L"識別子が未入力");
    SetFocus(FileName);
    return;
  }
  const std::optional<char> identifier = TableIdentifierOf(text);
  if (!identifier) return;
  if (winui::GetText(BmpFileName).empty()) autoBitmapName_.clear();
  FollowIdentifier(*identifier);
}

void NewPanelTab::FollowIdentifier(char identifier) {
  // A name the user typed is theirs; only the one put in here follows.
  const std::wstring current = winui::GetText(BmpFileName);
  if (current != autoBitmapName_) return;
  autoBitmapName_ = winui::SjisToWide(DefaultBitmapName(identifier));
  winui::SetText(BmpFileName, autoBitmapName_);
  ShowWindow(CanChange, SW_SHOW);
}

std::wstring NewPanelTab::ExistingBitmapQuestion(const std::string& bitmapName) const {
  std::wstring text = L"ビットマップファイル「" + winui::SjisToWide(bitmapName) + L"」はすでにあります。\n";
  const std::vector<std::string> users = TablesNamingBitmap(workFolder_, bitmapName);
  if (users.empty()) {
    text += L"作業フォルダのテーブルはこのファイルを使っていません。\n";
  } else {
    text += L"次のテーブルが使っています：\n";
    for (const std::string& user : users) text += L"　" + winui::SjisToWide(user) + L"\n";
    text += L"「はい」：白紙の絵で置き換えます。そのパネルの絵は消えます。\n"
            L"「いいえ」：今の絵をそのまま使います。そのパネルと共有になり、どちらかに書き込むと両方が変わります。\n";
  }
  return text + L"\nbmpファイルも新規に作り直しますか?";
}

void NewPanelTab::OK_ButtonClick() {
  const std::optional<char> identifier = TableIdentifierOf(winui::GetText(FileName));
  if (!identifier) {
    winui::ShowWarning(owner_, kBadIdentifier);
    return;
  }
  // Changed and not left yet (Enter on 作成): the name still follows.
  if (!autoBitmapName_.empty()) FollowIdentifier(*identifier);
  if (workFolder_.empty()) return;  // no documents folder: said once at start
  const std::string tablePath = TablePathIn(workFolder_, *identifier);
  if (winui::FileExistsSjis(tablePath)) {
    winui::ShowWarning(owner_, L"すでにファイルがあります");
    return;
  }
  const std::optional<std::string> typedBitmapName = winui::WideToSjis(winui::GetText(BmpFileName));
  if (!typedBitmapName) {
    winui::ShowWarning(owner_, RefusalText(NewPanelRefusal::BitmapNameNotInside));
    return;
  }
  const std::string bitmapName = CompleteBitmapName(*typedBitmapName);
  winui::SetText(BmpFileName, winui::SjisToWide(bitmapName));
  const std::string bitmapPath = workFolder_ + "\\" + bitmapName;
  bool bitmapExists = winui::FileExistsSjis(bitmapPath);

  const int columns = ReadNumber(YokoSuu);
  const int rows = ReadNumber(TateSuu);
  const int cellWidth = ReadNumber(ButtonWidth);
  const int cellHeight = ReadNumber(ButtonHeight);
  if (const NewPanelRefusal refusal = CheckNewPanel(bitmapName, columns, rows, cellWidth, cellHeight);
      refusal != NewPanelRefusal::None) {
    winui::ShowWarning(owner_, RefusalText(refusal));
    return;
  }

  if (bitmapExists && winui::AskYesNoDefaultNo(owner_, ExistingBitmapQuestion(bitmapName))) bitmapExists = false;
  if (bitmapExists) {
    // A kept bitmap that does not fit would give a table that can never be opened.
    if (std::wstring why = CheckKeptBitmap(bitmapPath, columns, rows, cellWidth, cellHeight); !why.empty()) {
      winui::ShowWarning(owner_, why);
      return;
    }
    winui::ShowMessage(owner_, L"ＢＭＰファイルはすでにあるので作りません", L"", winui::MsgButtons::Ok);
  } else {
    if (!DrawGrid(columns, rows, cellWidth, cellHeight)) {
      winui::ShowWarning(owner_, L"ＢＭＰファイルが作れません");
      return;
    }
    if (!winui::AskYesNo(owner_, L"これで作成しても良いですか?")) return;
    if (!image_.SaveToFile(bitmapPath).empty()) {
      winui::ShowWarning(owner_, L"ＢＭＰファイルが作れません");
      return;
    }
  }

  // Faces an earlier panel of this name left must not dress the new one.
  WinFolderFiles<IFolderFiles> files;
  if (const std::string left = RemovePanelFaces(files, workFolder_, TableFileName(*identifier)); !left.empty()) {
    winui::ShowWarning(owner_, L"前に同じ名前のパネルが使っていたボタンの見た目のファイルを削除できません。\n" +
                                   winui::SjisToWide(left) + L"\n" + files.LastFailure());
    return;
  }
  const std::string table = InitialTableFile(bitmapName, cellWidth, cellHeight, columns, rows);
  const std::optional<std::wstring> widePath = winui::SjisPathToWide(tablePath);
  const std::wstring why = widePath ? winui::WriteFileReplacing(*widePath, table.data(), table.size())
                                    : winui::SystemErrorText(ERROR_INVALID_NAME);
  if (!why.empty()) {
    winui::ShowWarning(owner_, L"テーブルファイルが作れません\n" + winui::SjisToWide(tablePath) + L"\n" + why);
    return;
  }
  OpenTableFile(owner_, DataModuleOf(options_), tablePath, RecoveryOffer::NotForNewPanel);
  winui::SetText(FileName, L"");
  winui::SetText(BmpFileName, L"");
  autoBitmapName_.clear();
  ShowWindow(CanChange, SW_HIDE);
}

bool NewPanelTab::DrawGrid(int columns, int rows, int cellWidth, int cellHeight) {
  winui::Picture grid;
  if (!grid.Create(columns * cellWidth, rows * cellHeight, RGB(255, 255, 255))) return false;
  {
    winui::MemoryDc dc;
    winui::ScopedSelectObject select(dc.Get(), grid.Handle());
    HBRUSH black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    for (int i = 0; i < columns; ++i) {
      for (int j = 0; j < rows; ++j) {
        const RECT cell{i * cellWidth, j * cellHeight, (i + 1) * cellWidth, (j + 1) * cellHeight};
        FrameRect(dc.Get(), &cell, black);
      }
    }
  }
  GdiFlush();
  image_ = std::move(grid);
  winui::SetPictureBoxPicture(Image, &image_);
  UpdateWindow(Image);
  return true;
}

std::wstring NewPanelTab::CheckKeptBitmap(const std::string& pathSjis, int columns, int rows, int cellWidth,
                                          int cellHeight) const {
  // The editor loads the picture when the new panel opens; here its content
  // is only judged, reading no more of a large file than its header.
  int width = 0, height = 0;
  if (!winui::Picture::CheckFile(pathSjis, width, height).empty()) return winui::SjisToWide(kBitmapUnreadable);
  if (!PictureFitsGrid(PictureSize{width, height}, cellWidth, cellHeight, columns, rows)) {
    return winui::SjisToWide(kBitmapSizeMismatch);
  }
  return {};
}
