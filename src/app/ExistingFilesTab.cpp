#include "app/ExistingFilesTab.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "app/ManagePanelFiles.h"
#include "app/OpenTable.h"
#include "app/RestoreVersionFm.h"
#include "table/PublishHistory.h"
#include "table/PlatformFile.h"
#include "table/SjisPath.h"
#include "table/TableChecks.h"
#include "winui/Controls.h"
#include "winui/MessageBox.h"
#include "winui/PictureBox.h"
#include "winui/SafeFile.h"
#include "winui/TextConv.h"

using namespace panel;

namespace {

constexpr size_t kPreviewLineBytes = 99;

}  // namespace

void ExistingFilesTab::Create(HWND page, HFONT font, HWND owner, std::string workFolder,
                              std::function<std::string(HWND)> hostFolder) {
  owner_ = owner;
  workFolder_ = std::move(workFolder);
  folders_ = PanelFolders{[work = workFolder_](HWND) { return work; }, std::move(hostFolder)};
  FileListBox = winui::CreateListBox(page, kFileListBox, {0, 3, 145, 242}, font, /*sorted=*/true);
  Preview = winui::CreatePictureBox(page, {151, 17, 396, 256}, kPreview);
  OpenButton = winui::CreateButton(page, kOpenButton, L"開く", {3, 251, 97, 41}, font);
  UpdateList = winui::CreateButton(page, kUpdateList, L"リスト更新", {106, 279, 75, 25}, font);
  // Beside リスト更新, under the preview; created after it, so next in tab order.
  DuplicateButton = winui::CreateButton(page, kDuplicateButton, L"複製(&C)", {197, 279, 75, 25}, font);
  DeleteButton = winui::CreateButton(page, kDeleteButton, L"削除(&D)", {278, 279, 75, 25}, font);
  RestoreButton = winui::CreateButton(page, kRestoreButton, L"以前の版に戻す(&R)", {397, 279, 150, 25}, font);
  winui::SetPictureBoxPicture(Preview, &previewPicture_);
  // No list yet: the page is hidden at start, and showing it reads the list,
  // so the work folder is not read before the main window's first paint.
}

bool ExistingFilesTab::OnCommand(int id, int code) {
  switch (id) {
    case kFileListBox:
      if (code == LBN_SELCHANGE) FileListBoxChange();
      return true;
    case kOpenButton:
      if (code == BN_CLICKED) OpenButtonClick();
      return true;
    case kUpdateList:
      if (code == BN_CLICKED) UpdateListClick();
      return true;
    case kDuplicateButton:
      if (code == BN_CLICKED) DuplicateButtonClick();
      return true;
    case kDeleteButton:
      if (code == BN_CLICKED) DeleteButtonClick();
      return true;
    case kRestoreButton:
      if (code == BN_CLICKED) RestoreButtonClick();
      return true;
    default:
      return false;
  }
}

void ExistingFilesTab::ReadFileList() {
  if (!FileListBox) return;
  const std::wstring selected = winui::SjisToWide(SelectedName());
  SendMessageW(FileListBox, LB_RESETCONTENT, 0, 0);
  if (workFolder_.empty()) return;
  for (const std::wstring& name : TableFileNames(workFolder_)) {
    SendMessageW(FileListBox, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
  }
  if (!selected.empty()) {
    const LRESULT at = SendMessageW(FileListBox, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                    reinterpret_cast<LPARAM>(selected.c_str()));
    if (at != LB_ERR) SendMessageW(FileListBox, LB_SETCURSEL, static_cast<WPARAM>(at), 0);
  }
}

std::string ExistingFilesTab::SelectedName() const {
  const LRESULT at = SendMessageW(FileListBox, LB_GETCURSEL, 0, 0);
  if (at == LB_ERR) return {};
  const LRESULT length = SendMessageW(FileListBox, LB_GETTEXTLEN, static_cast<WPARAM>(at), 0);
  if (length <= 0) return {};
  std::wstring name(static_cast<size_t>(length) + 1, L'\0');
  SendMessageW(FileListBox, LB_GETTEXT, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(name.data()));
  name.resize(static_cast<size_t>(length));
  return winui::WideToSjis(name).value_or(std::string());
}

void ExistingFilesTab::FileListBoxChange() {
  const std::string name = SelectedName();
  if (name.empty() || workFolder_.empty()) return;
  // Every failure leaves the last good picture on show, without a message.
  std::string firstLine;
  {
    UniqueFile file(OpenFileSjis(workFolder_ + "\\" + name, "rb"));
    if (!file) return;
    char buffer[kPreviewLineBytes + 1] = {};
    if (!std::fgets(buffer, sizeof buffer, file.get())) return;
    firstLine = buffer;
  }
  firstLine = firstLine.substr(0, firstLine.find_first_of("\r\n"));
  if (!IsNameInsideFolder(firstLine)) return;
  winui::Picture loaded;
  if (!loaded.LoadFromFile(workFolder_ + "\\" + firstLine).empty()) return;
  previewPicture_ = std::move(loaded);
  winui::SetPictureBoxPicture(Preview, &previewPicture_);
}

void ExistingFilesTab::OpenButtonClick() {
  const std::string name = SelectedName();
  if (name.empty() || workFolder_.empty()) return;
  // By the selected name itself, not by the byte before ".tbl": that byte of
  // a double-byte identifier would name another table.
  OpenTableFile(owner_, DataModuleOf(options_), workFolder_ + "\\" + name);
  // The picture may have been stamped on and saved meanwhile.
  FileListBoxChange();
}

void ExistingFilesTab::UpdateListClick() {
  ReadFileList();
  FileListBoxChange();
}

void ExistingFilesTab::Select(const std::string& nameSjis) {
  const std::wstring name = winui::SjisToWide(nameSjis);
  SendMessageW(FileListBox, LB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(name.c_str()));
  FileListBoxChange();
}

void ExistingFilesTab::ClearPreview() {
  previewPicture_ = winui::Picture();
  winui::SetPictureBoxPicture(Preview, nullptr);
}

void ExistingFilesTab::DuplicateButtonClick() {
  const std::string name = SelectedName();
  if (name.empty() || workFolder_.empty()) return;
  const std::optional<std::string> copy = DuplicatePanel(owner_, workFolder_, name);
  if (!copy) return;
  ReadFileList();
  Select(*copy);
}

void ExistingFilesTab::DeleteButtonClick() {
  const std::string name = SelectedName();
  if (name.empty() || workFolder_.empty()) return;
  if (!DeletePanel(owner_, workFolder_, name)) return;
  ReadFileList();
  ClearPreview();
}

void ExistingFilesTab::RestoreButtonClick() {
  if (workFolder_.empty()) return;
  std::vector<TRestoreVersionFm::Version> versions;
  for (const std::string& entry : PublishHistoryEntries(owner_, folders_)) {
    std::wstring line = winui::SjisToWide(HistoryEntryLabel(entry)) + L" まで公開していた版：";
    std::wstring separator;
    for (const std::wstring& file : PublishedVersionFiles(owner_, entry, folders_)) {
      line += std::exchange(separator, L"、") + file;
    }
    versions.push_back({entry, line});
  }
  if (versions.empty()) {
    winui::ShowMessage(owner_,
                       L"戻せる版はまだありません。\n"
                       L"クロヴァンに公開し直すと、それまで公開していた版がここから戻せるようになります。",
                       L"", winui::MsgButtons::Ok);
    return;
  }
  winui::Owned<TRestoreVersionFm> form(std::move(versions));
  if (!form.CreateForm(owner_) || winui::ShowModal(form, owner_) != winui::ModalResult::Ok) return;
  if (RestorePublishedVersion(owner_, form.Chosen(), folders_)) {
    winui::ShowMessage(owner_, L"クロヴァンに戻しました。", L"", winui::MsgButtons::Ok);
  }
}
