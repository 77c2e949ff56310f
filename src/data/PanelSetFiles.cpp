#include "data/PanelSetFiles.h"

#include "data/WinFolderFiles.h"
#include "table/SetTransfer.h"
#include "winui/MessageBox.h"
#include "winui/PathNames.h"
#include "winui/Picture.h"
#include "winui/SafeFile.h"
#include "winui/TextConv.h"

using namespace panel;

namespace {

std::wstring Wide(const std::string& sjis) { return winui::SjisToWide(sjis); }

class SetFiles : public WinFolderFiles<IPanelSetEnvironment> {
 public:
  explicit SetFiles(const std::string& work) : names_(work) {}
  bool SameFile(std::string_view a, std::string_view b) const override { return names_.SameFile(a, b); }
  std::optional<PictureSize> LoadPictureSize(const std::string& pathSjis) override {
    winui::Picture picture;
    if (!picture.LoadFromFile(pathSjis).empty()) return std::nullopt;
    return PictureSize{picture.Width(), picture.Height()};
  }

 private:
  winui::FolderFileNames names_;
};

// The names, one a line, at most `shown` of them.
std::wstring Listed(const std::vector<std::string>& names, size_t shown = 20) {
  std::wstring text;
  for (size_t i = 0; i < names.size() && i < shown; ++i) text += L"\n　" + Wide(names[i]);
  if (names.size() > shown) text += L"\n　ほか" + std::to_wstring(names.size() - shown) + L"個";
  return text;
}

constexpr wchar_t kWorkUnchanged[] = L"\n作業フォルダは何も変わっていません。";

std::wstring ArchiveRefusal(const UnpackedArchive& unpacked) {
  switch (unpacked.problem) {
    case ArchiveProblem::Damaged: return L"ファイルが壊れているか、途中で切れています。";
    case ArchiveProblem::NotOurs: return L"パネル一式を書き出したファイルではありません。";
    case ArchiveProblem::NameOutside:
      return L"作業フォルダの外や、作業フォルダの管理用の場所を指す名前が入っています。\n　" + Wide(unpacked.badName);
    case ArchiveProblem::TooLarge: return L"パネル一式としては、ファイルの数か大きさが多すぎます。";
    case ArchiveProblem::None: break;
  }
  return L"";
}

}  // namespace

std::vector<SetPanel> ReadWorkPanelSet(const SetFolders& folders) {
  SetFiles files(folders.work);
  return ReadPanelSet(files, folders.work, folders.host);
}

std::vector<SetFinding> CheckWorkPanelSet(const SetFolders& folders, const std::vector<SetPanel>& panels,
                                          const std::vector<size_t>& chosen) {
  SetFiles files(folders.work);
  return CheckSetForPublishing(files, folders.work, folders.host, panels, chosen);
}

bool PublishWorkPanelSet(HWND owner, const SetFolders& folders, const std::vector<SetPanel>& panels,
                         const std::vector<size_t>& chosen, const SetPublishConfirm& confirm) {
  if (chosen.empty()) {
    winui::ShowMessage(owner, L"クロヴァンに反映するパネルがありません。", L"", winui::MsgButtons::Ok);
    return false;
  }
  SetFiles files(folders.work);
  const std::vector<SetFinding> findings = CheckSetForPublishing(files, folders.work, folders.host, panels, chosen);
  if (!findings.empty() && !(confirm && confirm(owner, findings))) return false;
  std::vector<std::string> names;
  for (const size_t i : chosen) names.push_back(panels.at(i).tableName);
  if (findings.empty() &&
      !winui::AskYesNo(owner, L"次のパネルをまとめてクロヴァンに反映させますか？" + Listed(names) +
                                  L"\n\nすべて反映するか、うまくいかなければ何も変えません。")) {
    return false;
  }
  const HostStepResult result = PublishPanels(files, files, folders.work, folders.host, panels, chosen);
  switch (result.outcome) {
    case HostStepOutcome::Done:
    case HostStepOutcome::Unchanged:
      winui::ShowMessage(owner, L"クロヴァンに反映しました。", L"", winui::MsgButtons::Ok);
      return true;
    case HostStepOutcome::NotKept:
      winui::ShowWarning(owner, L"今クロヴァンにある版を公開履歴に残せないので、反映しません。\n" +
                                    Wide(result.failed) + L"\n" + files.LastFailure());
      return false;
    default: {
      const HostLeft left = HostLeftAfter(result.outcome);
      winui::ShowWarning(owner, L"クロヴァンに反映できませんでした。\n" + Wide(result.failed) + L"\n" +
                                    files.LastFailure() + L"\n" +
                                    (left == HostLeft::Mixed ? L"反映する前の版は公開履歴に残っています。"
                                                             : L"クロヴァンのファイルは反映する前のままです。"));
      return false;
    }
  }
}

bool ExportWorkPanelSet(HWND owner, const std::string& work, const std::string& archivePath) {
  SetFiles files(work);
  const ExportResult result = ExportSet(files, work, archivePath);
  if (result.outcome == ExportOutcome::TooLarge) {
    winui::ShowWarning(owner, L"パネル一式を書き出せませんでした。\n" + Wide(result.failed) +
                                  L"\n作業フォルダのファイルが多すぎるか、大きすぎます (合わせて" +
                                  std::to_wstring(kMaxArchiveBytes >> 20) + L"MBまで)。");
    return false;
  }
  if (result.outcome != ExportOutcome::Done) {
    winui::ShowWarning(owner, L"パネル一式を書き出せませんでした。\n" + Wide(result.failed) + L"\n" + files.LastFailure());
    return false;
  }
  winui::ShowMessage(owner, L"パネル一式を書き出しました。\n" + Wide(archivePath), L"", winui::MsgButtons::Ok);
  return true;
}

bool ImportWorkPanelSet(HWND owner, const std::string& work, const std::string& archivePath) {
  SetFiles files(work);
  // An archive is larger than the files the steps read whole.
  const std::optional<std::wstring> path = winui::SjisPathToWide(archivePath);
  std::vector<std::uint8_t> bytes;
  const std::wstring why = path ? winui::ReadWholeFile(*path, bytes, kMaxArchiveFileBytes) : L"";
  if (!path || !why.empty()) {
    winui::ShowWarning(owner, L"ファイルを読めません。\n" + Wide(archivePath) + L"\n" + why);
    return false;
  }
  std::string archive(bytes.begin(), bytes.end());
  std::vector<std::uint8_t>().swap(bytes);
  const UnpackedArchive unpacked = UnpackArchive(std::move(archive));
  if (unpacked.problem != ArchiveProblem::None) {
    winui::ShowWarning(owner, L"このファイルは読み込めません。\n" + Wide(archivePath) + L"\n" + ArchiveRefusal(unpacked) +
                                  kWorkUnchanged);
    return false;
  }
  const ImportPlan plan = PlanImport(files, work, unpacked.files);
  std::wstring question = L"パネル一式を作業フォルダに読み込みますか？";
  if (!plan.added.empty()) question += L"\n\n追加するファイル：" + Listed(plan.added);
  if (!plan.replaced.empty()) question += L"\n\n置き換えるファイル：" + Listed(plan.replaced);
  question += L"\n\nすべて読み込むか、うまくいかなければ何も変えません。\nクロヴァンに公開したパネルはそのままです。";
  if (!winui::AskYesNoDefaultNo(owner, question)) return false;
  const ImportResult result = ImportSet(files, work, unpacked.files);
  switch (result.outcome) {
    case ImportOutcome::Done:
      winui::ShowMessage(owner, L"パネル一式を読み込みました。", L"", winui::MsgButtons::Ok);
      return true;
    case ImportOutcome::Mixed:
      winui::ShowWarning(owner, L"パネル一式を読み込めませんでした。\n" + Wide(result.failed) + L"\n" + files.LastFailure() +
                                    L"\n置き換えたファイルの一部を元に戻せませんでした。");
      return false;
    default:
      winui::ShowWarning(owner, L"パネル一式を読み込めませんでした。\n" + Wide(result.failed) + L"\n" + files.LastFailure() +
                                    kWorkUnchanged);
      return false;
  }
}
