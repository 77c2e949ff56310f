#include "data/PanelFiles.h"

#include <algorithm>
#include <optional>

#include <cstdio>
#include <utility>

#include "data/DataFolders.h"
#include "table/PublishHistory.h"
#include "table/SjisPath.h"
#include "winui/FolderTree.h"
#include "table/TableChecks.h"
#include "winui/MessageBox.h"
#include "winui/SafeFile.h"
#include "winui/TextConv.h"

bool MessageBoxAsk::AskYesNo(const std::string& textSjis, const std::string& captionSjis) {
  return winui::ShowMessageSjis(owner_, textSjis, captionSjis, winui::MsgButtons::YesNo) == winui::MsgAnswer::Yes;
}

PanelFolders DocumentsPanelFolders() { return PanelFolders{WorkFolderPath, HostPanelFolderPath}; }

namespace {

std::string LocalTimestamp() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  char text[32];
  std::snprintf(text, sizeof text, "%04u%02u%02u-%02u%02u%02u", now.wYear, now.wMonth, now.wDay, now.wHour,
                now.wMinute, now.wSecond);
  return text;
}

// Keeps the picture it loaded, so that opening a panel loads it once.
class PictureProbe : public IPictureProbe {
 public:
  std::optional<PictureSize> LoadPictureSize(const std::string& pathSjis) override {
    if (!picture.LoadFromFile(pathSjis).empty()) return std::nullopt;
    return PictureSize{picture.Width(), picture.Height()};
  }
  winui::Picture picture;
};

class SaveEnvironment : public ISaveEnvironment {
 public:
  SaveEnvironment(HWND owner, const CPanelTable& table, const winui::Picture& picture, const PanelFolders& folders,
                  const PublishConfirm& confirm)
      : owner_(owner), table_(table), picture_(picture), folders_(folders), confirm_(confirm) {}

  std::optional<std::string> WorkFolder() override { return Folder(folders_.work); }
  std::optional<std::string> HostPanelFolder() override { return Folder(folders_.hostPanel); }

  bool SavePicture(const std::string& pathSjis) override {
    return Succeeded(kNotSaved, pathSjis, picture_.SaveToFile(pathSjis));
  }

  bool WriteWholeFile(const std::string& pathSjis, const std::string& bytes) override {
    const std::optional<std::wstring> path = winui::SjisPathToWide(pathSjis);
    return Succeeded(kNotSaved, pathSjis,
                     path ? winui::WriteFileReplacing(*path, bytes.data(), bytes.size())
                          : winui::SystemErrorText(ERROR_INVALID_NAME));
  }

  bool CopyReplacing(const std::string& fromSjis, const std::string& toSjis) override {
    const std::optional<std::wstring> from = winui::SjisPathToWide(fromSjis);
    const std::optional<std::wstring> to = winui::SjisPathToWide(toSjis);
    lastCopyFailure_ = from && to ? winui::CopyFileReplacing(*from, *to) : winui::SystemErrorText(ERROR_INVALID_NAME);
    return lastCopyFailure_.empty();
  }

  bool MakeFolder(const std::string& pathSjis) override {
    const std::optional<std::wstring> path = winui::SjisPathToWide(pathSjis);
    lastCopyFailure_ = path ? winui::MakeFolder(*path) : winui::SystemErrorText(ERROR_INVALID_NAME);
    return lastCopyFailure_.empty();
  }

  bool FileExists(const std::string& pathSjis) override {
    const std::optional<std::wstring> path = winui::SjisPathToWide(pathSjis);
    if (!path) return false;
    const DWORD attributes = GetFileAttributesW(path->c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
  }

  std::vector<std::string> FolderNames(const std::string& folderSjis) override {
    std::vector<std::string> names;
    const std::optional<std::wstring> folder = winui::SjisPathToWide(folderSjis);
    if (!folder) return names;
    for (const std::wstring& name : winui::FolderEntries(*folder)) {
      if (std::optional<std::string> sjis = winui::WideToSjis(name)) names.push_back(std::move(*sjis));
    }
    return names;
  }

  void RemoveTree(const std::string& pathSjis) override {
    if (const std::optional<std::wstring> path = winui::SjisPathToWide(pathSjis)) winui::RemoveTree(*path);
  }

  std::string Timestamp() override { return LocalTimestamp(); }

  PictureSize PanelPictureSize() override { return {picture_.Width(), picture_.Height()}; }

  bool PublishDespite(const std::vector<PanelFinding>& findings) override {
    return confirm_ && confirm_(owner_, findings);
  }

  void ReportUnsavable(UnsavableReason reason) override {
    std::wstring why;
    switch (reason) {
      case UnsavableReason::BitmapNameOutsideFolder:
        why = L"ビットマップファイル名が作業フォルダの外を指しています。\n" + winui::SjisToWide(table_.BitmapName());
        break;
      case UnsavableReason::TooManyExternalPrograms:
        why = L"外部プログラムの実行ボタンは６２個までです。";
        break;
      case UnsavableReason::InfraredKeyClash:
        why = L"学習リモコン送信ボタンのキーが重複しています。";
        break;
    }
    winui::ShowWarning(owner_, L"テーブルを保存できません。\n" + why);
  }

  void ReportPublishFailed(const std::string& targetSjis) override {
    winui::ShowWarning(owner_, L"クロヴァンに反映できませんでした。\n" + winui::SjisToWide(targetSjis) + L"\n" +
                                   lastCopyFailure_ + L"\n作業フォルダには保存されています。");
  }

 private:
  static constexpr wchar_t kNotSaved[] = L"ファイルを保存できませんでした。";

  std::optional<std::string> Folder(const std::function<std::string(HWND)>& get) {
    std::string folder = get ? get(owner_) : std::string();
    if (folder.empty()) return std::nullopt;
    return folder;
  }

  bool Succeeded(const wchar_t* what, const std::string& pathSjis, const std::wstring& reason) {
    if (reason.empty()) return true;
    winui::ShowWarning(owner_, std::wstring(what) + L"\n" + winui::SjisToWide(pathSjis) + L"\n" + reason);
    return false;
  }

  HWND owner_;
  const CPanelTable& table_;
  const winui::Picture& picture_;
  const PanelFolders& folders_;
  const PublishConfirm& confirm_;
  std::wstring lastCopyFailure_;
};

}  // namespace

std::string CheckTableBitmap(CPanelTable& table, HWND owner, winui::Picture* loaded) {
  PictureProbe pictures;
  MessageBoxAsk ask(owner);
  std::string failure = CheckTableBitmap(table, pictures, ask);
  if (failure.empty() && loaded) *loaded = std::move(pictures.picture);
  return failure;
}

SaveResult SaveTable(CPanelTable& table, HWND owner, const winui::Picture& panelImage, const PanelFolders& folders,
                     const PublishConfirm& confirm) {
  SaveEnvironment env(owner, table, panelImage, folders, confirm);
  MessageBoxAsk ask(owner);
  return SaveTable(table, env, ask);
}

std::vector<std::string> PublishHistoryEntries(HWND owner, const PanelFolders& folders) {
  std::vector<std::string> entries;
  const std::string work = folders.work ? folders.work(owner) : std::string();
  const std::optional<std::wstring> root =
      work.empty() ? std::nullopt : winui::SjisPathToWide(work + "\\" + kHistoryFolderName);
  if (!root) return entries;
  for (const std::wstring& name : winui::FolderEntries(*root, true)) {
    if (std::optional<std::string> sjis = winui::WideToSjis(name)) entries.push_back(std::move(*sjis));
  }
  entries = HistoryEntriesOldestFirst(entries);
  return std::vector<std::string>(entries.rbegin(), entries.rend());
}

namespace {

std::optional<std::wstring> HistoryEntryFolder(HWND owner, const std::string& entryName, const PanelFolders& folders) {
  if (!IsHistoryEntryName(entryName)) return std::nullopt;
  const std::string work = folders.work ? folders.work(owner) : std::string();
  if (work.empty()) return std::nullopt;
  return winui::SjisPathToWide(work + "\\" + kHistoryFolderName + "\\" + entryName);
}

}  // namespace

std::vector<std::wstring> PublishedVersionFiles(HWND owner, const std::string& entryName, const PanelFolders& folders) {
  const std::optional<std::wstring> entry = HistoryEntryFolder(owner, entryName, folders);
  if (!entry) return {};
  std::vector<std::wstring> files = winui::FilesUnder(*entry);
  // Tables first, as publishing does: the host never gets a bitmap without its table.
  std::stable_partition(files.begin(), files.end(),
                        [](const std::wstring& f) { return f.size() > 4 && f.substr(f.size() - 4) == L".tbl"; });
  return files;
}

namespace {

// Copies `relative` from one folder into the same place in another, making
// its subfolders; "" or the system's reason.
std::wstring CopyInto(const std::wstring& from, const std::wstring& to, const std::wstring& relative) {
  std::wstring reason;
  for (size_t cut = relative.find(L'\\'); cut != std::wstring::npos && reason.empty();
       cut = relative.find(L'\\', cut + 1)) {
    reason = winui::MakeFolder(to + L"\\" + relative.substr(0, cut));
  }
  return reason.empty() ? winui::CopyFileReplacing(from + L"\\" + relative, to + L"\\" + relative) : reason;
}

std::vector<std::string> SjisNames(const std::vector<std::wstring>& names) {
  std::vector<std::string> sjis;
  for (const std::wstring& name : names) {
    if (std::optional<std::string> converted = winui::WideToSjis(name)) sjis.push_back(std::move(*converted));
  }
  return sjis;
}

// The host's files that putting a version back replaces, and where they were kept.
struct ReplacedVersion {
  std::wstring entry;
  std::vector<std::wstring> files;
};

// What putting a version back replaces goes into the history first, as a
// publication's does: the version on the host may exist nowhere else.
std::optional<ReplacedVersion> KeepReplacedVersion(HWND owner, const std::wstring& root, const std::wstring& host,
                                                   const std::vector<std::wstring>& files) {
  std::vector<std::wstring> present;
  for (const std::wstring& file : files) {
    if (GetFileAttributesW((host + L"\\" + file).c_str()) != INVALID_FILE_ATTRIBUTES) present.push_back(file);
  }
  if (present.empty()) return ReplacedVersion{};
  const std::string name = NewHistoryEntryName(LocalTimestamp(), SjisNames(winui::FolderEntries(root, true)));
  const std::wstring entry = root + L"\\" + winui::SjisToWide(name);
  std::wstring failed, reason;
  for (const std::wstring& folder : {root, entry}) {
    if (reason.empty() && !(reason = winui::MakeFolder(folder)).empty()) failed = folder;
  }
  for (size_t i = 0; i < present.size() && reason.empty(); ++i) {
    if (!(reason = CopyInto(host, entry, present[i])).empty()) failed = entry + L"\\" + present[i];
  }
  if (reason.empty()) return ReplacedVersion{entry, present};
  winui::RemoveTree(entry);
  winui::ShowWarning(owner, L"今クロヴァンにある版を公開履歴に残せないので、戻しません。\n" + failed + L"\n" + reason);
  return std::nullopt;
}

// Undoes the first `copied` files of a restore that failed part way, so the
// host never holds a table of one version beside the bitmap of another. True
// when the host is as it was.
bool PutBackReplaced(const std::wstring& host, const ReplacedVersion& replaced, const std::vector<std::wstring>& files,
                     size_t copied) {
  bool whole = true;
  for (size_t i = 0; i < copied; ++i) {
    const bool wasThere = std::find(replaced.files.begin(), replaced.files.end(), files[i]) != replaced.files.end();
    whole = (wasThere ? CopyInto(replaced.entry, host, files[i]).empty()
                      : DeleteFileW((host + L"\\" + files[i]).c_str()) != FALSE) &&
            whole;
  }
  return whole;
}

}  // namespace

bool RestorePublishedVersion(HWND owner, const std::string& entryName, const PanelFolders& folders) {
  const std::optional<std::wstring> entry = HistoryEntryFolder(owner, entryName, folders);
  const std::vector<std::wstring> files = PublishedVersionFiles(owner, entryName, folders);
  if (!entry || files.empty()) return false;
  std::wstring list;
  for (const std::wstring& file : files) list += L"\n" + file;
  const std::wstring question = L"次の版をクロヴァンに戻しますか？\n" + winui::SjisToWide(HistoryEntryLabel(entryName)) +
                                L" まで公開していた版：" + list +
                                L"\n\n同じ名前のファイルと置き換えます。\n今の版は公開履歴に残ります。";
  if (!winui::AskYesNo(owner, question)) return false;
  const std::string hostSjis = folders.hostPanel ? folders.hostPanel(owner) : std::string();
  const std::optional<std::wstring> host = hostSjis.empty() ? std::nullopt : winui::SjisPathToWide(hostSjis);
  if (!host) return false;
  const std::wstring root = entry->substr(0, entry->rfind(L'\\'));
  const std::optional<ReplacedVersion> replaced = KeepReplacedVersion(owner, root, *host, files);
  if (!replaced) return false;
  for (size_t i = 0; i < files.size(); ++i) {
    if (std::wstring reason = CopyInto(*entry, *host, files[i]); !reason.empty()) {
      const bool asBefore = PutBackReplaced(*host, *replaced, files, i);
      winui::ShowWarning(owner, L"クロヴァンに戻せませんでした。\n" + *host + L"\\" + files[i] + L"\n" + reason +
                                    (asBefore ? L"\nクロヴァンのファイルは戻す前のままです。"
                                              : L"\n戻す前の版は公開履歴に残っています。"));
      return false;
    }
  }
  // Only now: the version put back may be the oldest of the history.
  for (const std::string& old : HistoryEntriesToPrune(SjisNames(winui::FolderEntries(root, true)))) {
    winui::RemoveTree(root + L"\\" + winui::SjisToWide(old));
  }
  return true;
}
