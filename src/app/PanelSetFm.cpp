#include "app/PanelSetFm.h"

#include <commdlg.h>

#include "app/OpenTable.h"
#include "editor/PublishCheckFm.h"
#include "table/SetArchive.h"
#include "winui/AppMessages.h"
#include "winui/Controls.h"
#include "data/WinFolderFiles.h"
#include "winui/MessageBox.h"
#include "winui/PathNames.h"
#include "winui/TextConv.h"

using namespace panel;

namespace {

constexpr int kWidth = 940, kHeight = 600, kMapHeight = 552;

// The findings of the set as the check before publishing lists them: each line names its panel.
std::vector<PanelFinding> Named(const std::vector<SetFinding>& findings) {
  std::vector<PanelFinding> named;
  for (const SetFinding& f : findings) named.push_back({f.finding.ordinal, f.tableName + "\x81\x40" + f.finding.text});
  return named;
}

// A path from the system's file dialog; "" when cancelled or not writable in code page 932.
std::string AskArchivePath(HWND owner, bool saving, const std::string& suggested) {
  std::wstring file = winui::SjisToWide(suggested);
  file.resize(MAX_PATH * 2, L'\0');
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = L"パネル一式 (*.zip)\0*.zip\0";
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  dialog.lpstrDefExt = L"zip";
  dialog.Flags = OFN_NOCHANGEDIR | (saving ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
  if (!(saving ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog))) return {};
  file.resize(wcslen(file.c_str()));
  return winui::WideToSjis(file).value_or(std::string());
}

}  // namespace

bool TPanelSetFm::CreateForm(HWND owner) {
  return Create(winui::DialogDescription(kClassName, L"パネル一覧", kWidth, kHeight, owner));
}

void TPanelSetFm::OnCreate() {
  HFONT font = FontHandle();
  Map.Create(Handle(), {8, 8, kWidth - 16, kMapHeight - 16}, kMap);
  const int y = kMapHeight;
  winui::CreateButton(Handle(), kOpenButton, L"開く(&O)", {8, y, 90, 28}, font);
  winui::CreateButton(Handle(), kCheckButton, L"まとめて確認(&K)", {120, y, 130, 28}, font);
  winui::CreateButton(Handle(), kPublishButton, L"チェックしたパネルを公開(&P)", {256, y, 200, 28}, font);
  winui::CreateButton(Handle(), kExportButton, L"一式を書き出す(&E)...", {478, y, 150, 28}, font);
  winui::CreateButton(Handle(), kImportButton, L"一式を読み込む(&I)...", {634, y, 150, 28}, font);
  const HWND close = winui::CreateButton(Handle(), kCloseButton, L"閉じる", {kWidth - 98, y, 90, 28}, font);
  SetDialogButtons(close, kCloseButton);
  ReadSet();
}

void TPanelSetFm::ReadSet() {
  std::vector<SetPanel> panels = ReadWorkPanelSet(folders_);
  winui::FolderFileNames names(folders_.work);
  SetLinks links = LinkPanels(panels, names);
  std::vector<winui::Picture> pictures(panels.size());
  std::vector<bool> ticked(panels.size());
  for (size_t i = 0; i < panels.size(); ++i) {
    winui::Picture full;
    if (!panels[i].bitmapName.empty() && full.LoadFromFile(folders_.work + "\\" + panels[i].bitmapName).empty()) {
      pictures[i] = TPanelSetMapFr::Thumbnail(full);
    }
    ticked[i] = panels[i].published != PublishedState::Same;
  }
  Map.Show(std::move(panels), std::move(links), std::move(pictures), std::move(ticked));
}

void TPanelSetFm::OpenButtonClick() {
  if (Map.Selected() < 0) {
    winui::ShowMessage(Handle(), L"開くパネルをクリックして選んでください。", L"", winui::MsgButtons::Ok);
    return;
  }
  OpenTableFile(Handle(), options_, folders_.work + "\\" + Map.Panels()[Map.Selected()].tableName);
  ReadSet();
}

void TPanelSetFm::CheckButtonClick() {
  std::vector<size_t> all(Map.Panels().size());
  for (size_t i = 0; i < all.size(); ++i) all[i] = i;
  const std::vector<SetFinding> findings = CheckWorkPanelSet(folders_, Map.Panels(), all);
  if (findings.empty()) {
    winui::ShowMessage(Handle(), L"すべてのパネルを確認しました。直すところは見つかりませんでした。", L"",
                       winui::MsgButtons::Ok);
    return;
  }
  std::wstring text = L"すべてのパネルを確認しました。次のところを直してください。\n";
  for (size_t i = 0; i < findings.size() && i < 30; ++i) {
    text += L"\n" + winui::SjisToWide(findings[i].tableName) + L"　" + winui::SjisToWide(findings[i].finding.text);
  }
  if (findings.size() > 30) text += L"\n\nほか" + std::to_wstring(findings.size() - 30) + L"件";
  winui::ShowMessage(Handle(), text, L"", winui::MsgButtons::Ok);
}

void TPanelSetFm::PublishButtonClick() {
  PublishWorkPanelSet(Handle(), folders_, Map.Panels(), Map.Ticked(),
                      [](HWND owner, const std::vector<SetFinding>& findings) {
                        return ConfirmPublishDespite(owner, Named(findings));
                      });
  ReadSet();
}

void TPanelSetFm::ExportButtonClick() {
  const std::string archivePath = AskArchivePath(Handle(), true, ArchiveFileName(winfiles::LocalTimestamp()));
  if (!archivePath.empty()) ExportWorkPanelSet(Handle(), folders_.work, archivePath);
}

void TPanelSetFm::ImportButtonClick() {
  const std::string archivePath = AskArchivePath(Handle(), false, "");
  if (archivePath.empty()) return;
  ImportWorkPanelSet(Handle(), folders_.work, archivePath);
  ReadSet();
}

void TPanelSetFm::OnCommand(int id, int code, HWND /*control*/) {
  switch (ClickedButton(id, code)) {
    case kOpenButton: OpenButtonClick(); break;
    case kCheckButton: CheckButtonClick(); break;
    case kPublishButton: PublishButtonClick(); break;
    case kExportButton: ExportButtonClick(); break;
    case kImportButton: ImportButtonClick(); break;
    case kCloseButton: SetModalResult(winui::ModalResult::Cancel); break;
    default: break;
  }
}

LRESULT TPanelSetFm::OnAppMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg != winui::kMsgPreviewKey || lParam != 0 || GetFocus() != Map.Handle()) return 0;
  if (wParam != VK_RETURN) return Map.OnKey(static_cast<UINT>(wParam)) ? 1 : 0;
  if (Map.KeyPanel() >= 0) OpenButtonClick();
  return 1;
}

bool TPanelSetFm::OnMessage(UINT msg, WPARAM /*wParam*/, LPARAM /*lParam*/, LRESULT& result) {
  if (msg != WM_SETFOCUS || !Map.Handle()) return false;
  SetFocus(Map.Handle());
  result = 0;
  return true;
}

void ShowPanelSet(HWND owner, TOptionMdl& options, const std::string& workFolder,
                  const std::function<std::string(HWND)>& hostFolder) {
  const std::string host = hostFolder ? hostFolder(owner) : std::string();
  if (host.empty()) return;
  winui::Owned<TPanelSetFm> form(options, SetFolders{workFolder, host});
  if (form.CreateForm(owner)) winui::ShowModal(form, owner);
}
