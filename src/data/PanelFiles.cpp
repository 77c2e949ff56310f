#include "data/PanelFiles.h"

#include <algorithm>
#include <optional>

#include <cstdio>
#include <utility>

#include "data/DataFolders.h"
#include "data/WinFolderFiles.h"
#include "table/ImportStep.h"
#include "table/PublishHistory.h"
#include "table/RestoreVersion.h"
#include "winui/MessageBox.h"
#include "winui/PathNames.h"
#include "winui/TextConv.h"

using namespace panel;

bool MessageBoxAsk::AskYesNo(const std::string& textSjis, const std::string& captionSjis) {
  return winui::ShowMessageSjis(owner_, textSjis, captionSjis, winui::MsgButtons::YesNo) == winui::MsgAnswer::Yes;
}

PanelFolders DocumentsPanelFolders() { return PanelFolders{WorkFolderPath, HostPanelFolderPath}; }

namespace {

std::optional<std::string> Folder(const std::function<std::string(HWND)>& get, HWND owner) {
  std::string folder = get ? get(owner) : std::string();
  if (folder.empty()) return std::nullopt;
  return folder;
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

class SaveEnvironment : public WinFolderFiles<ISaveEnvironment> {
 public:
  SaveEnvironment(HWND owner, const CPanelTable& table, const winui::Picture& picture, const PanelFolders& folders,
                  const PublishConfirm& confirm)
      : owner_(owner), table_(table), picture_(picture), folders_(folders), confirm_(confirm) {}

  std::optional<std::string> WorkFolder() override {
    work_ = Folder(folders_.work, owner_);
    return work_;
  }
  std::optional<std::string> HostPanelFolder() override { return Folder(folders_.hostPanel, owner_); }

  bool SavePicture(const std::string& pathSjis) override {
    return Succeeded(pathSjis, picture_.SaveToFile(pathSjis));
  }

  bool SameFile(std::string_view aSjis, std::string_view bSjis) const override {
    return winui::FolderFileNames(work_.value_or(std::string())).SameFile(aSjis, bSjis);
  }

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
      case UnsavableReason::BitmapNameIsDevice:
        why = L"ビットマップファイル名が機器の名前（CON、NUL、COM1 など）です。\n" + winui::SjisToWide(table_.BitmapName());
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

  void ReportNotSaved(const std::string& pathSjis) override { Succeeded(pathSjis, LastFailure()); }

  void ReportPublishFailed(const std::string& targetSjis, HostLeft left) override {
    const wchar_t* how = left == HostLeft::PutBack ? L"クロヴァンのファイルは反映する前のままです。\n"
                         : left == HostLeft::Mixed ? L"反映する前の版は公開履歴に残っています。\n"
                                                   : L"";
    winui::ShowWarning(owner_, L"クロヴァンに反映できませんでした。\n" + winui::SjisToWide(targetSjis) + L"\n" +
                                   LastFailure() + L"\n" + how + L"作業フォルダには保存されています。");
  }

 private:
  bool Succeeded(const std::string& pathSjis, const std::wstring& reason) {
    if (reason.empty()) return true;
    winui::ShowWarning(owner_, L"ファイルを保存できませんでした。\n" + winui::SjisToWide(pathSjis) + L"\n" + reason);
    return false;
  }

  HWND owner_;
  const CPanelTable& table_;
  const winui::Picture& picture_;
  const PanelFolders& folders_;
  const PublishConfirm& confirm_;
  std::optional<std::string> work_;
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
  const std::optional<std::string> work = Folder(folders.work, owner);
  WinFolderFiles<IFolderFiles> files;
  return work ? CompleteHistoryEntries(files, *work) : std::vector<std::string>();
}

std::vector<std::wstring> PublishedVersionFiles(HWND owner, const std::string& entryName, const PanelFolders& folders) {
  const std::optional<std::string> work = Folder(folders.work, owner);
  WinFolderFiles<IFolderFiles> files;
  std::vector<std::wstring> names;
  for (const std::string& name : work ? PublishedVersionFiles(files, *work, entryName) : std::vector<std::string>()) {
    names.push_back(winui::SjisToWide(name));
  }
  return names;
}

namespace {

class RestoreEnvironment : public WinFolderFiles<IRestoreEnvironment> {
 public:
  RestoreEnvironment(HWND owner, const PanelFolders& folders) : owner_(owner), folders_(folders) {}

  std::optional<std::string> WorkFolder() override { return Folder(folders_.work, owner_); }
  std::optional<std::string> HostPanelFolder() override { return Folder(folders_.hostPanel, owner_); }

  bool ConfirmRestore(const std::string& entryName, const std::vector<std::string>& files) override {
    std::wstring list;
    for (const std::string& file : files) list += L"\n" + winui::SjisToWide(file);
    return winui::AskYesNo(owner_, L"次の版をクロヴァンに戻しますか？\n" + winui::SjisToWide(HistoryEntryLabel(entryName)) +
                                       L" まで公開していた版：" + list +
                                       L"\n\n同じ名前のファイルと置き換えます。\n今の版は公開履歴に残ります。");
  }

  void ReportNotKept(const std::string& failedSjis) override {
    winui::ShowWarning(owner_, L"今クロヴァンにある版を公開履歴に残せないので、戻しません。\n" +
                                   winui::SjisToWide(failedSjis) + L"\n" + LastFailure());
  }

  void ReportRestoreFailed(const std::string& targetSjis, HostLeft left) override {
    winui::ShowWarning(owner_, L"クロヴァンに戻せませんでした。\n" + winui::SjisToWide(targetSjis) + L"\n" + LastFailure() +
                                   (left == HostLeft::Mixed ? L"\n戻す前の版は公開履歴に残っています。"
                                                            : L"\nクロヴァンのファイルは戻す前のままです。"));
  }

 private:
  HWND owner_;
  const PanelFolders& folders_;
};

}  // namespace

bool RestorePublishedVersion(HWND owner, const std::string& entryName, const PanelFolders& folders) {
  RestoreEnvironment env(owner, folders);
  return RestoreVersion(entryName, env);
}

void TidyPanelFolders(const std::string& work, const std::string& host) {
  WinFolderFiles<IFolderFiles> files;
  SettleImportStep(files, work);
  TidyAfterInterruption(files, work, host);
}

void TidyDocumentsPanelFolders() {
  const std::optional<std::wstring> documents = ShellDocumentsFolder(nullptr);
  if (!documents) return;
  const std::optional<std::string> work = winui::WideToSjis(*documents + kWorkFolderTail);
  const std::optional<std::string> host = winui::WideToSjis(*documents + kHostPanelFolderTail);
  if (work && host) TidyPanelFolders(*work, *host);
}
