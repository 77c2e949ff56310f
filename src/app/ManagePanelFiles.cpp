#include "app/ManagePanelFiles.h"

#include <cstdint>

#include "app/DuplicatePanelFm.h"
#include "app/OpenTable.h"
#include "table/ManagePanels.h"
#include "table/NewPanel.h"
#include "table/TableFileReader.h"
#include "winui/FolderTree.h"
#include "winui/MessageBox.h"
#include "winui/SafeFile.h"
#include "winui/TextConv.h"

namespace {

constexpr wchar_t kTablePrefix[] = L"機器操作";

std::wstring Wide(const std::string& sjis) { return winui::SjisToWide(sjis); }

// The whole file, or the reason it cannot be read.
std::wstring ReadTable(const std::string& pathSjis, std::string& bytes) {
  const std::optional<std::wstring> path = winui::SjisPathToWide(pathSjis);
  if (!path) return winui::SystemErrorText(ERROR_INVALID_NAME);
  std::vector<std::uint8_t> read;
  if (std::wstring why = winui::ReadWholeFile(*path, read, kMaxTableFileBytes); !why.empty()) return why;
  bytes.assign(read.begin(), read.end());
  return {};
}

bool Exists(const std::string& pathSjis) {
  const std::optional<std::wstring> path = winui::SjisPathToWide(pathSjis);
  return path && GetFileAttributesW(path->c_str()) != INVALID_FILE_ATTRIBUTES;
}

// "" or the system's reason.
std::wstring Remove(const std::string& pathSjis) {
  const std::optional<std::wstring> path = winui::SjisPathToWide(pathSjis);
  if (!path) return winui::SystemErrorText(ERROR_INVALID_NAME);
  return DeleteFileW(path->c_str()) ? std::wstring() : winui::SystemErrorText(GetLastError());
}

std::wstring Joined(const std::vector<std::string>& names) {
  std::wstring text;
  for (const std::string& name : names) text += (text.empty() ? L"" : L"、") + Wide(name);
  return text;
}

std::optional<char> AskIdentifier(HWND owner, const std::string& tableName) {
  winui::Owned<TDuplicatePanelFm> form;
  if (!form.CreateForm(owner, Wide(tableName))) return std::nullopt;
  if (winui::ShowModal(form, owner) != winui::ModalResult::Ok) return std::nullopt;
  const std::optional<char> identifier = TableIdentifierOf(form.Identifier());
  if (!identifier) winui::ShowWarning(owner, L"ファイル識別子が不正です");
  return identifier;
}

}  // namespace

std::vector<std::wstring> TableFileNames(const std::string& workFolder) {
  std::vector<std::wstring> names;
  // The system's '?' also matches no character at all, and a name that
  // cannot be written in code page 932 cannot be opened by its Shift-JIS
  // path, so both are left out.
  const std::wstring pattern = Wide(workFolder) + L"\\" + kTablePrefix + L"?.tbl";
  WIN32_FIND_DATAW found{};
  const winui::FindHandle search(FindFirstFileW(pattern.c_str(), &found));
  if (search.Get() == INVALID_HANDLE_VALUE) return names;
  do {
    const std::wstring name = found.cFileName;
    if (found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) continue;
    if (name.size() != 9 || !winui::WideToSjis(name)) continue;
    names.push_back(name);
  } while (FindNextFileW(search.Get(), &found));
  return names;
}

std::optional<std::string> DuplicatePanel(HWND owner, const std::string& workFolder, const std::string& tableName) {
  const std::optional<char> identifier = AskIdentifier(owner, tableName);
  if (!identifier) return std::nullopt;
  const std::string tablePath = TablePathFor(workFolder, *identifier);
  if (Exists(tablePath)) {
    winui::ShowWarning(owner, L"すでにファイルがあります");
    return std::nullopt;
  }
  const std::string sourcePath = workFolder + "\\" + tableName;
  std::string source;
  if (std::wstring why = ReadTable(sourcePath, source); !why.empty()) {
    winui::ShowWarning(owner, L"テーブルファイルを読めません。\n" + Wide(sourcePath) + L"\n" + why);
    return std::nullopt;
  }
  const std::optional<DuplicatePlan> plan = PlanDuplicate(source, *identifier);
  if (!plan) {
    winui::ShowWarning(owner, L"このテーブルは複製できません。\n"
                              L"ビットマップファイル名がないか、作業フォルダの外を指しています。\n" +
                                  Wide(sourcePath));
    return std::nullopt;
  }
  const std::string bitmapTo = workFolder + "\\" + plan->bitmapTo;
  const bool bitmapExisted = Exists(bitmapTo);
  if (plan->copyBitmap) {
    if (bitmapExisted &&
        !winui::AskYesNo(owner, L"「" + Wide(plan->bitmapTo) + L"」はすでにあります。置き換えますか？")) {
      return std::nullopt;
    }
    // The bitmap first: when it cannot be copied, no table names it.
    const std::string bitmapFrom = workFolder + "\\" + plan->bitmapFrom;
    const std::optional<std::wstring> from = winui::SjisPathToWide(bitmapFrom);
    const std::optional<std::wstring> to = winui::SjisPathToWide(bitmapTo);
    const std::wstring why =
        from && to ? winui::CopyFileReplacing(*from, *to) : winui::SystemErrorText(ERROR_INVALID_NAME);
    if (!why.empty()) {
      winui::ShowWarning(owner, L"ビットマップファイルを複製できませんでした。\n" + Wide(bitmapFrom) + L"\n→ " +
                                    Wide(bitmapTo) + L"\n" + why);
      return std::nullopt;
    }
  }
  const std::optional<std::wstring> widePath = winui::SjisPathToWide(tablePath);
  const std::wstring why = widePath ? winui::WriteFileReplacing(*widePath, plan->tableBytes.data(), plan->tableBytes.size())
                                    : winui::SystemErrorText(ERROR_INVALID_NAME);
  if (!why.empty()) {
    if (plan->copyBitmap && !bitmapExisted) Remove(bitmapTo);
    winui::ShowWarning(owner, L"テーブルファイルが作れません\n" + Wide(tablePath) + L"\n" + why);
    return std::nullopt;
  }
  return tablePath.substr(workFolder.size() + 1);
}

bool DeletePanel(HWND owner, const std::string& workFolder, const std::string& tableName) {
  std::vector<FolderTable> tables;
  std::vector<std::string> unreadable;  // another table, say one held open, may name the bitmap too
  for (const std::wstring& name : TableFileNames(workFolder)) {
    const std::string nameSjis = *winui::WideToSjis(name);
    std::string bytes;
    if (!ReadTable(workFolder + "\\" + nameSjis, bytes).empty() && !SameFileName(nameSjis, tableName)) {
      unreadable.push_back(nameSjis);
    }
    tables.push_back(DescribeTable(nameSjis, bytes));
  }
  DeletePlan plan = PlanDelete(tables, tableName);
  const std::string bitmapPath = workFolder + "\\" + plan.bitmapName;
  const bool bitmapThere = !plan.bitmapName.empty() && Exists(bitmapPath);
  const bool keptForUnreadable = plan.removeBitmap && !unreadable.empty();
  if (keptForUnreadable) plan.removeBitmap = false;

  std::wstring question = L"「" + Wide(tableName) + L"」を削除しますか？";
  if (bitmapThere && plan.removeBitmap) question += L"\nビットマップ「" + Wide(plan.bitmapName) + L"」も削除します。";
  if (bitmapThere && keptForUnreadable) {
    question += L"\nビットマップ「" + Wide(plan.bitmapName) + L"」は、読めないテーブルが使っているかもしれないので残します：\n" +
                Joined(unreadable);
  } else if (bitmapThere && !plan.removeBitmap) {
    question += L"\nビットマップ「" + Wide(plan.bitmapName) + L"」は次のテーブルも使っているので残します：\n" +
                Joined(plan.bitmapUsers);
  }
  if (!plan.switchingHere.empty()) {
    question += L"\n\n次のテーブルに、このパネルへ切り替えるボタンがあります：\n" + Joined(plan.switchingHere) +
                L"\n削除すると、そのボタンは行き先がなくなります。";
  }
  question += L"\n\n作業フォルダのファイルだけを削除します。\nクロヴァンに公開したパネルはそのまま残ります。";
  if (!winui::AskYesNoDefaultNo(owner, question)) return false;

  const std::string tablePath = workFolder + "\\" + tableName;
  if (std::wstring why = Remove(tablePath); !why.empty()) {
    winui::ShowWarning(owner, L"テーブルファイルを削除できませんでした。\n" + Wide(tablePath) + L"\n" + why);
    return false;
  }
  if (bitmapThere && plan.removeBitmap) {
    if (std::wstring why = Remove(bitmapPath); !why.empty()) {
      winui::ShowWarning(owner, L"ビットマップファイルを削除できませんでした。\n" + Wide(bitmapPath) + L"\n" + why +
                                    L"\nテーブルファイルは削除しました。");
    }
  }
  return true;
}

std::vector<std::string> TablesNamingBitmap(const std::string& workFolder, const std::string& bitmapName) {
  std::vector<std::string> users;
  for (const std::wstring& name : TableFileNames(workFolder)) {
    const std::string nameSjis = *winui::WideToSjis(name);
    std::string bytes;
    if (!ReadTable(workFolder + "\\" + nameSjis, bytes).empty()) continue;
    if (SameFileName(DescribeTable(nameSjis, bytes).bitmapName, bitmapName)) users.push_back(nameSjis);
  }
  return users;
}
