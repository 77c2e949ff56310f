#include "app/MainPanelFm.h"

#include <string>

#include "data/DataFolders.h"
#include "data/DllSearchPath.h"
#include "app/OpenTable.h"
#include "app/PanelSetFm.h"
#include "app/UserGuide.h"
#include "data/OptionMdl.h"
#include "data/RelayPortSetting.h"
#include "table/PanelNames.h"
#include "winui/AppMessages.h"
#include "winui/Controls.h"
#include "winui/MessageBox.h"
#include "winui/TextConv.h"

using namespace panel;

TMainPanelFm* MainPanelFm = nullptr;

namespace {

enum ControlId : int {
  kPageControl1 = 100,
  kCancelButton,
  kOptionGroup,
  kRelayPortEd,
  kButton1,
  kTestRimocon,
  kPanelSetButton,
};

constexpr wchar_t kCaption[] = L"機器操作パネル";
constexpr wchar_t kUnlockCaption[] = L"設定変更　SHIFTを押しながら";
constexpr wchar_t kLockCaption[] = L"設定ロック";
constexpr wchar_t kInstallError[] = L"ソラミトのインストールエラーです。";
constexpr wchar_t kInitError[] = L"ソラミトの初期化エラーです。";

}  // namespace

bool TMainPanelFm::CreateForm(PanelFolders folders) {
  folders_ = std::move(folders);
  winui::FormDescription description = winui::DialogDescription(kClassName, kCaption, 598, 467, nullptr);
  description.placement = winui::FormPlacement::AtPosition;  // the top-left corner
  return Create(description);
}

void TMainPanelFm::SetDataModule(TOptionMdl& options) {
  options_ = &options;
  NewPanel.SetDataModule(options);
  ExistingFiles.SetDataModule(options);
}

void TMainPanelFm::OnCreate() {
  CreateControls();
  // FormCreate
  dll_search::AddDeviceSoftwareFolder();
  SetUpWorkFolder();
}

void TMainPanelFm::CreateControls() {
  using winui::Rect;
  HWND form = Handle();
  HFONT font = FontHandle();

  // Made in tab order, which then needs no reordering.
  CancelButton = winui::CreateButton(form, kCancelButton, L"終了", Rect{376, 368, 129, 25}, font);

  PageControl1 = winui::CreateTabControl(form, kPageControl1, Rect{32, 8, 558, 337}, font);
  TabSheet1 = winui::AddTabPage(PageControl1, L"新規作成");
  TabSheet2 = winui::AddTabPage(PageControl1, L"既存ファイル");
  winui::SelectTab(PageControl1, 0);

  OptionGroup = winui::CreateGroupBox(form, kOptionGroup, L"設定", Rect{36, 351, 261, 78}, font);
  Label7 = winui::CreateLabel(OptionGroup, L"ヤマセロリレーポート", 11, 21, font);
  RelayPortEd = winui::CreateEdit(OptionGroup, kRelayPortEd, L"", Rect{136, 8, 25, 31},
                                  winui::SharedFont(L"Tahoma", 19), 1, winui::ImeMode::Off);
  winui::SetKeyPressHandler(RelayPortEd, [this](HWND control, wchar_t& key) { DigitKeyFilter(control, key); });
  EnableWindow(OptionGroup, FALSE);

  Button1 = winui::CreateButton(form, kButton1, kUnlockCaption, Rect{47, 434, 161, 25}, font);
  TestRimocon = winui::CreateButton(form, kTestRimocon, L"テスト", Rect{320, 434, 58, 25}, font);
  // Every panel of the work folder together, whichever tab is shown.
  PanelSetButton = winui::CreateButton(form, kPanelSetButton, L"パネル一覧(&L)...", Rect{384, 434, 121, 25}, font);
}

void TMainPanelFm::SetUpWorkFolder() {
  // The folder paths need nothing of the data module, which does not exist yet.
  workFolder_ = folders_.work(Handle());
  // One level only; an existing folder is the usual case, and a folder that
  // cannot be made is reported by whatever later needs it.
  if (!workFolder_.empty()) CreateDirectoryW(winui::SjisToWide(workFolder_).c_str(), nullptr);
  NewPanel.Create(TabSheet1, FontHandle(), Handle(), workFolder_);
}

void TMainPanelFm::MakeExistingFilesPage() {
  if (!ExistingFiles.FileListBox) {
    ExistingFiles.Create(TabSheet2, FontHandle(), Handle(), workFolder_, folders_.hostPanel);
  }
}

void TMainPanelFm::OpenTable(char identifier) {
  if (!workFolder_.empty()) OpenTableFile(Handle(), DataModuleOf(options_), TablePathIn(workFolder_, identifier));
}

void TMainPanelFm::FocusFirstFieldOfShownTab() {
  const bool existingFiles = TabCtrl_GetCurSel(PageControl1) == 1;
  if (existingFiles) MakeExistingFilesPage();
  SetFocus(existingFiles ? ExistingFiles.FileListBox : NewPanel.FileName);
}

void TMainPanelFm::OnShow() {
  // Activation, which comes after showing, would take the focus back.
  PostMessageW(Handle(), winui::kMsgFocusFirstField, 0, 0);
  PostMessageW(Handle(), winui::kMsgAfterFirstPaint, 0, 0);
  TOptionMdl& options = DataModuleOf(options_);
  options.RelayPort = relay_port::Read();
  winui::SetText(RelayPortEd, std::to_wstring(options.RelayPort));
  const int result = options.InitIrDevice();
  if (result == IrLibrary::kLoadFailed) {
    winui::ShowWarning(Handle(), kInstallError);
  } else if (result != 0) {
    winui::ShowWarning(Handle(), kInitError);
  }
}

void TMainPanelFm::OnClose(bool& /*canClose*/) {
  TOptionMdl& options = DataModuleOf(options_);
  relay_port::Write(options.RelayPort);
  options.CloseIrDevice();
}

void TMainPanelFm::OnCommand(int id, int code, HWND /*control*/) {
  if (NewPanel.OnCommand(id, code) || ExistingFiles.OnCommand(id, code)) return;
  if (code != BN_CLICKED) return;
  switch (id) {
    case kCancelButton:
      CancelButtonClick();
      break;
    case kButton1:
      Button1Click();
      break;
    case kPanelSetButton:
      if (!workFolder_.empty()) ShowPanelSet(Handle(), DataModuleOf(options_), workFolder_, folders_.hostPanel);
      break;
    default:
      break;  // TestRimocon has no action
  }
}

LRESULT TMainPanelFm::OnNotify(const NMHDR& header) {
  if (header.hwndFrom == PageControl1 && header.code == static_cast<UINT>(TCN_SELCHANGE) &&
      TabCtrl_GetCurSel(PageControl1) == 1) {
    MakeExistingFilesPage();
    ExistingFiles.TabSheet2Show();
  }
  return 0;
}

LRESULT TMainPanelFm::OnAppMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == winui::kMsgFocusFirstField) FocusFirstFieldOfShownTab();
  if (msg == winui::kMsgAfterFirstPaint) MakeExistingFilesPage();
  // F1 in any window of the program ends here, the main window owning them all.
  if (msg == winui::kMsgHelp) {
    OpenUserGuide(reinterpret_cast<HWND>(wParam));
    return 1;
  }
  // The bitmap field is no tab stop; Alt+B still reaches it without a mouse.
  if (msg == winui::kMsgPreviewKey && wParam == 'B' && lParam == winui::kKeyAlt && TabCtrl_GetCurSel(PageControl1) == 0) {
    SetFocus(NewPanel.BmpFileName);
    SendMessageW(NewPanel.BmpFileName, EM_SETSEL, 0, -1);
    return 1;
  }
  return 0;
}

bool TMainPanelFm::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (msg != WM_CTLCOLORSTATIC) return false;
  HBRUSH brush = NewPanel.OnCtlColorStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
  if (!brush) return false;
  result = reinterpret_cast<LRESULT>(brush);
  return true;
}

void TMainPanelFm::CancelButtonClick() { Close(); }

void TMainPanelFm::Button1Click() {
  const bool shiftDown = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
  if (shiftDown && !IsWindowEnabled(OptionGroup)) {
    EnableWindow(OptionGroup, TRUE);
    SetFocus(RelayPortEd);
    winui::SetText(Button1, kLockCaption);
  } else {
    EnableWindow(OptionGroup, FALSE);
    winui::SetText(Button1, kUnlockCaption);
  }
}

void TMainPanelFm::DigitKeyFilter(HWND control, wchar_t& key) {
  if (key == L'\t') return;
  if (key < L'1' || key > L'9') {
    key = 0;
    return;
  }
  winui::SetText(control, std::wstring(1, key));
  if (control == RelayPortEd) DataModuleOf(options_).RelayPort = key - L'0';
}
