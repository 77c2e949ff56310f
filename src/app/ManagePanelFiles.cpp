#include "app/ManagePanelFiles.h"

#include "app/DuplicatePanelFm.h"
#include "app/OpenTable.h"
#include "data/WinFolderFiles.h"
#include "table/ManagePanelSteps.h"
#include "table/ManagePanels.h"
#include "table/PanelNames.h"
#include "winui/FolderTree.h"
#include "winui/MessageBox.h"
#include "winui/PathNames.h"
#include "winui/TextConv.h"

using namespace panel;

namespace {

std::wstring Wide(const std::string& sjis) { return winui::SjisToWide(sjis); }

std::wstring Joined(const std::vector<std::string>& names) {
  std::wstring text;
  for (const std::string& name : names) text += (text.empty() ? L"" : L"、") + Wide(name);
  return text;
}

class PanelFilesEnvironment : public WinFolderFiles<IPanelFilesEnvironment> {
 public:
  PanelFilesEnvironment(HWND owner, const std::string& work) : owner_(owner), names_(work) {}

  bool SameFile(std::string_view a, std::string_view b) const override { return names_.SameFile(a, b); }

  std::optional<char> AskIdentifier(const std::string& tableName) override {
    winui::Owned<TDuplicatePanelFm> form;
    if (!form.CreateForm(owner_, Wide(tableName))) return std::nullopt;
    if (winui::ShowModal(form, owner_) != winui::ModalResult::Ok) return std::nullopt;
    const std::optional<char> identifier = TableIdentifierOf(form.Identifier());
    if (!identifier) winui::ShowWarning(owner_, L"ファイル識別子が不正です");
    return identifier;
  }

  bool ConfirmReplaceBitmap(const std::string& bitmapName) override {
    return winui::AskYesNo(owner_, L"「" + Wide(bitmapName) + L"」はすでにあります。置き換えますか？");
  }

  std::vector<std::string> TableFileNames(const std::string& work) override {
    std::vector<std::string> names;
    for (const std::wstring& name : ::TableFileNames(work)) names.push_back(*winui::WideToSjis(name));
    return names;
  }

  bool ConfirmDelete(const DeleteQuestion& q) override {
    std::wstring question = L"「" + Wide(q.tableName) + L"」を削除しますか？";
    if (!q.bitmapName.empty() && q.removeBitmap) {
      question += L"\nビットマップ「" + Wide(q.bitmapName) + L"」も削除します。";
    } else if (!q.bitmapName.empty() && q.keptForUnreadable) {
      question += L"\nビットマップ「" + Wide(q.bitmapName) +
                  L"」は、読めないテーブルが使っているかもしれないので残します：\n" + Joined(q.keptFor);
    } else if (!q.bitmapName.empty()) {
      question += L"\nビットマップ「" + Wide(q.bitmapName) + L"」は次のテーブルも使っているので残します：\n" +
                  Joined(q.keptFor);
    }
    if (!q.switchingHere.empty()) {
      question += L"\n\n次のテーブルに、このパネルへ切り替えるボタンがあります：\n" + Joined(q.switchingHere) +
                  L"\n削除すると、そのボタンは行き先がなくなります。";
    }
    question += L"\n\n作業フォルダのファイルだけを削除します。\nクロヴァンに公開したパネルはそのまま残ります。";
    return winui::AskYesNoDefaultNo(owner_, question);
  }

  void Report(PanelFileProblem problem, const std::string& path, const std::string& to) override {
    const std::wstring why = LastFailure();
    switch (problem) {
      case PanelFileProblem::TableExists:
        winui::ShowWarning(owner_, L"すでにファイルがあります");
        break;
      case PanelFileProblem::SourceUnreadable:
        winui::ShowWarning(owner_, L"テーブルファイルを読めません。\n" + Wide(path) + L"\n" + why);
        break;
      case PanelFileProblem::NotDuplicable:
        winui::ShowWarning(owner_, L"このテーブルは複製できません。\n"
                                   L"ビットマップファイル名がないか、作業フォルダの外を指しています。\n" +
                                       Wide(path));
        break;
      case PanelFileProblem::BitmapNotCopied:
        winui::ShowWarning(owner_, L"ビットマップファイルを複製できませんでした。\n" + Wide(path) + L"\n→ " + Wide(to) +
                                       L"\n" + why);
        break;
      case PanelFileProblem::TableNotMade:
        winui::ShowWarning(owner_, L"テーブルファイルが作れません\n" + Wide(path) + L"\n" + why);
        break;
      case PanelFileProblem::TableNotDeleted:
        winui::ShowWarning(owner_, L"テーブルファイルを削除できませんでした。\n" + Wide(path) + L"\n" + why);
        break;
      case PanelFileProblem::BitmapNotDeleted:
        winui::ShowWarning(owner_, L"ビットマップファイルを削除できませんでした。\n" + Wide(path) + L"\n" + why +
                                       L"\nテーブルファイルは削除しました。");
        break;
      case PanelFileProblem::FacesNotCopied:
        winui::ShowWarning(owner_, L"ボタンの見た目のファイルを複製できませんでした。\n" + Wide(path) + L"\n→ " +
                                       Wide(to) + L"\n" + why);
        break;
      case PanelFileProblem::FacesNotDeleted:
        winui::ShowWarning(owner_, L"ボタンの見た目のファイルを削除できませんでした。\n" + Wide(path) + L"\n" + why +
                                       L"\nテーブルファイルは削除しました。");
        break;
    }
  }

 private:
  HWND owner_;
  winui::FolderFileNames names_;
};

}  // namespace

std::vector<std::wstring> TableFileNames(const std::string& workFolder) {
  std::vector<std::wstring> names;
  // The system's '?' also matches no character at all, and a name that
  // cannot be written in code page 932 cannot be opened by its Shift-JIS
  // path, so both are left out.
  const std::wstring pattern = Wide(workFolder) + L"\\" + Wide(TableFileName('?'));
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
  PanelFilesEnvironment env(owner, workFolder);
  return DuplicatePanel(workFolder, tableName, env);
}

bool DeletePanel(HWND owner, const std::string& workFolder, const std::string& tableName) {
  PanelFilesEnvironment env(owner, workFolder);
  return DeletePanel(workFolder, tableName, env);
}

std::vector<std::string> TablesNamingBitmap(const std::string& workFolder, const std::string& bitmapName) {
  std::vector<std::string> users;
  const winui::FolderFileNames names(workFolder);
  for (const std::wstring& name : TableFileNames(workFolder)) {
    const std::string nameSjis = *winui::WideToSjis(name);
    std::wstring why;
    const std::optional<std::string> bytes = winfiles::ReadWholeFile(workFolder + "\\" + nameSjis, why);
    if (!bytes) continue;
    if (names.SameFile(DescribeTable(nameSjis, *bytes).bitmapName, bitmapName)) users.push_back(nameSjis);
  }
  return users;
}
