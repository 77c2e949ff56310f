#include "app/PanelFiles.h"

#include <optional>

#include "app/DataFolders.h"
#include "table/TableChecks.h"
#include "winui/MessageBox.h"
#include "winui/SafeFile.h"
#include "winui/TextConv.h"

bool MessageBoxAsk::AskYesNo(const std::string& textSjis, const std::string& captionSjis) {
  return winui::ShowMessageSjis(owner_, textSjis, captionSjis, winui::MsgButtons::YesNo) == winui::MsgAnswer::Yes;
}

PanelFolders DocumentsPanelFolders() { return PanelFolders{WorkFolderPath, HostPanelFolderPath}; }

namespace {

class PictureProbe : public IPictureProbe {
 public:
  std::optional<PictureSize> LoadPictureSize(const std::string& pathSjis) override {
    winui::Picture picture;
    if (!picture.LoadFromFile(pathSjis).empty()) return std::nullopt;
    return PictureSize{picture.Width(), picture.Height()};
  }
};

class SaveEnvironment : public ISaveEnvironment {
 public:
  SaveEnvironment(HWND owner, const CPanelTable& table, const winui::Picture& picture, const PanelFolders& folders)
      : owner_(owner), table_(table), picture_(picture), folders_(folders) {}

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
  std::wstring lastCopyFailure_;
};

}  // namespace

std::string CheckTableBitmap(CPanelTable& table, HWND owner) {
  PictureProbe pictures;
  MessageBoxAsk ask(owner);
  return CheckTableBitmap(table, pictures, ask);
}

SaveResult SaveTable(CPanelTable& table, HWND owner, const winui::Picture& panelImage) {
  return SaveTable(table, owner, panelImage, DocumentsPanelFolders());
}

SaveResult SaveTable(CPanelTable& table, HWND owner, const winui::Picture& panelImage, const PanelFolders& folders) {
  SaveEnvironment env(owner, table, panelImage, folders);
  MessageBoxAsk ask(owner);
  return SaveTable(table, env, ask);
}
