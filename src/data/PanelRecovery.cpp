#include "data/PanelRecovery.h"

#include <algorithm>

#include "data/PanelFiles.h"
#include "data/RecoveryFiles.h"
#include "table/RecoveryCopy.h"
#include "table/SjisPath.h"
#include "table/TableFileReader.h"
#include "winui/MessageBox.h"
#include "winui/PathNames.h"
#include "winui/TextConv.h"

using namespace panel;

namespace {

std::string RecoveryFolderOfTable(const std::string& tablePath) {
  return RecoveryFolderOf(FolderOfSjisPath(tablePath));
}

bool SameTable(const std::string& a, const std::string& b) {
  const std::string folder = FolderOfSjisPath(a);
  return folder == FolderOfSjisPath(b) &&
         winui::FolderFileNames(folder).SameFile(FileNameOfSjisPath(a), FileNameOfSjisPath(b));
}

// "20261208-143005" as "2026/12/08 14:30".
std::wstring WhenWritten(const std::string& stamp) {
  if (stamp.size() != 15) return winui::SjisToWide(stamp);
  const std::wstring w = winui::SjisToWide(stamp);
  return w.substr(0, 4) + L"/" + w.substr(4, 2) + L"/" + w.substr(6, 2) + L" " + w.substr(9, 2) + L":" + w.substr(11, 2);
}

void ReportDamaged(HWND owner, IFolderFiles& files, const std::string& copyFolder) {
  winui::ShowWarning(owner, L"復元用の控えが壊れているため、開きません。保存してあるファイルはそのままです。\n" +
                                winui::SjisToWide(copyFolder) + L".damaged");
  SetAsideDamaged(files, copyFolder);
}

// The copies of one table, newest first; damaged ones reported and set aside.
std::vector<std::string> CopiesOf(HWND owner, IFolderFiles& files, const std::string& tablePath) {
  std::vector<std::string> found;
  for (const std::string& folder : RecoveryCopyFolders(files, RecoveryFolderOfTable(tablePath))) {
    const RecoveryCopy copy = ReadRecoveryCopy(files, folder, false);
    if (copy.state == RecoveryState::Damaged) ReportDamaged(owner, files, folder);
    if (copy.state == RecoveryState::Whole && SameTable(copy.tablePath, tablePath)) found.push_back(folder);
  }
  std::reverse(found.begin(), found.end());
  return found;
}

// The table and picture of a whole copy; the question about foreign sections
// is the reader's, as when the file itself is opened.
std::optional<RecoveredWork> Restore(HWND owner, IFolderFiles& files, const std::string& folder, const RecoveryCopy& copy,
                                     const std::string& tablePath) {
  RecoveredWork work;
  MessageBoxAsk ask(owner);
  std::string failure = ReadTableBytes(work.table, copy.tableBytes, tablePath, ask);
  work.table.ExtraText() = copy.extraText;
  if (failure.empty() && !work.picture.LoadFromFile(copy.bitmapPath).empty()) failure = "damaged";
  if (!failure.empty()) {
    ReportDamaged(owner, files, folder);
    return std::nullopt;
  }
  work.copyFolder = folder;
  return work;
}

}  // namespace

std::optional<RecoveredWork> OfferRecovery(HWND owner, const std::string& tablePathSjis) {
  RecoveryFiles files;
  for (const std::string& folder : CopiesOf(owner, files, tablePathSjis)) {
    const RecoveryCopy copy = ReadRecoveryCopy(files, folder);
    if (copy.state != RecoveryState::Whole) {
      ReportDamaged(owner, files, folder);
      continue;  // an older copy may still be whole
    }
    if (!winui::AskYesNo(owner, L"保存していない変更の控えがあります。\n" +
                                    winui::SjisToWide(FileNameOfSjisPath(tablePathSjis)) + L"（" +
                                    WhenWritten(copy.writtenAt) +
                                    L"）\n\n控えから復元しますか？\n「いいえ」でも控えは残ります（保存すると消えます）。")) {
      return std::nullopt;
    }
    return Restore(owner, files, folder, copy, tablePathSjis);
  }
  return std::nullopt;
}

std::vector<std::string> TablesWithRecoveryCopies(HWND owner, const std::string& workFolderSjis) {
  RecoveryFiles files;
  std::vector<std::string> tables;
  const std::vector<std::string> folders = RecoveryCopyFolders(files, RecoveryFolderOf(workFolderSjis));
  for (auto folder = folders.rbegin(); folder != folders.rend(); ++folder) {
    const RecoveryCopy copy = ReadRecoveryCopy(files, *folder, false);
    if (copy.state == RecoveryState::Missing) files.RemoveTree(*folder);  // begun, never completed
    if (copy.state == RecoveryState::Damaged) ReportDamaged(owner, files, *folder);
    if (copy.state != RecoveryState::Whole) continue;
    if (std::none_of(tables.begin(), tables.end(), [&](const std::string& t) { return SameTable(t, copy.tablePath); })) {
      tables.push_back(copy.tablePath);
    }
  }
  return tables;
}

std::string NewRecoveryCopyFolderFor(const std::string& tablePathSjis) {
  RecoveryFiles files;
  return NewRecoveryCopyFolder(files, RecoveryFolderOfTable(tablePathSjis));
}

void RemoveRecoveryCopies(const std::string& tablePathSjis) {
  RecoveryFiles files;
  for (const std::string& folder : RecoveryCopyFolders(files, RecoveryFolderOfTable(tablePathSjis))) {
    const RecoveryCopy copy = ReadRecoveryCopy(files, folder, false);
    if (copy.state == RecoveryState::Whole && SameTable(copy.tablePath, tablePathSjis)) files.RemoveTree(folder);
  }
}
