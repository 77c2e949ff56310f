#include "app/ExistingFilesTab.h"

#include <algorithm>
#include <vector>

#include "app/OpenTable.h"
#include "table/PlatformFile.h"
#include "table/SjisPath.h"
#include "table/TableChecks.h"
#include "winui/Controls.h"
#include "winui/PictureBox.h"
#include "winui/TextConv.h"

namespace {

constexpr wchar_t kTablePrefix[] = L"機器操作";
constexpr wchar_t kTableSuffix[] = L".tbl";
constexpr size_t kPreviewLineBytes = 99;

// "機器操作?.tbl": the system's '?' also matches no character at all, and a
// name that cannot be written in code page 932 cannot be opened by its
// Shift-JIS path, so both are left out.
std::vector<std::wstring> TableFileNames(const std::string& workFolder) {
  std::vector<std::wstring> names;
  const std::wstring pattern = winui::SjisToWide(workFolder) + L"\\" + kTablePrefix + L"?" + kTableSuffix;
  WIN32_FIND_DATAW found{};
  HANDLE search = FindFirstFileW(pattern.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    const std::wstring name = found.cFileName;
    if (found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) continue;
    if (name.size() != 9 || !winui::WideToSjis(name)) continue;
    names.push_back(name);
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return names;
}

}  // namespace

void ExistingFilesTab::Create(HWND page, HFONT font, HWND owner, std::string workFolder) {
  owner_ = owner;
  workFolder_ = std::move(workFolder);
  FileListBox = winui::CreateListBox(page, kFileListBox, {0, 3, 145, 242}, font, /*sorted=*/true);
  Preview = winui::CreatePictureBox(page, {151, 17, 396, 256}, kPreview);
  OpenButton = winui::CreateButton(page, kOpenButton, L"開く", {3, 251, 97, 41}, font);
  UpdateList = winui::CreateButton(page, kUpdateList, L"リスト更新", {106, 279, 75, 25}, font);
  winui::SetPictureBoxPicture(Preview, &previewPicture_);
  ReadFileList();
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
  OpenTableFile(owner_, workFolder_ + "\\" + name);
}
