#include "table/TableSave.h"

#include <vector>

#include "table/FileNames.h"
#include "table/PublishHistory.h"
#include "table/SjisPath.h"
#include "table/TableChecks.h"
#include "table/TableTexts.h"

namespace {

std::optional<UnsavableReason> FindUnsavable(const CPanelTable& table) {
  if (NamesDevice(table.BitmapName())) return UnsavableReason::BitmapNameIsDevice;
  if (!IsNameInsideFolder(table.BitmapName())) return UnsavableReason::BitmapNameOutsideFolder;
  switch (FindEncodeProblem(table)) {
    case TableEncodeProblem::None: return std::nullopt;
    case TableEncodeProblem::TooManyExternalPrograms: return UnsavableReason::TooManyExternalPrograms;
    case TableEncodeProblem::InfraredKeyClash: return UnsavableReason::InfraredKeyClash;
  }
  return UnsavableReason::InfraredKeyClash;
}

// The subfolders of a bitmap name such as "a\b\panel.bmp", outermost first.
bool MakeBitmapFolders(const std::string& base, const std::string& bitmapName, ISaveEnvironment& env) {
  size_t end = 0;
  for (size_t cut; (cut = FirstSjisBackslash(std::string_view(bitmapName).substr(end))) != std::string::npos;) {
    end += cut;
    const std::string folder = base + "\\" + bitmapName.substr(0, end);
    if (!env.MakeFolder(folder)) {
      env.ReportPublishFailed(folder);
      return false;
    }
    ++end;
  }
  return true;
}

class PublishTarget : public IPublishTarget {
 public:
  PublishTarget(const std::string& work, const std::string& host, ISaveEnvironment& env)
      : work_(work), host_(host), env_(env) {}
  const std::string& WorkFolder() const override { return work_; }
  const std::string& HostFolder() const override { return host_; }
  bool FileExists(const std::string& pathSjis) const override { return env_.FileExists(pathSjis); }
  bool SameFile(std::string_view aSjis, std::string_view bSjis) const override { return env_.SameFile(aSjis, bSjis); }

 private:
  const std::string& work_;
  const std::string& host_;
  ISaveEnvironment& env_;
};

// The host's table and bitmap as they are now, copied into a new history
// entry; older entries beyond the newest ten go. Nothing to keep, nothing made.
bool KeepHistory(const CPanelTable& table, const std::string& work, const std::string& host,
                 ISaveEnvironment& env) {
  std::vector<std::string> present;
  for (const std::string& name : {FileNameOfSjisPath(table.TablePath()), table.BitmapName()}) {
    if (env.FileExists(host + "\\" + name)) present.push_back(name);
  }
  if (present.empty()) return true;
  const std::string root = work + "\\" + kHistoryFolderName;
  const std::string entry = root + "\\" + NewHistoryEntryName(env.Timestamp(), env.FolderNames(root));
  for (const std::string& folder : {root, entry}) {
    if (!env.MakeFolder(folder)) {
      env.ReportPublishFailed(folder);
      return false;
    }
  }
  for (const std::string& name : present) {
    const std::string target = entry + "\\" + name;
    if (!MakeBitmapFolders(entry, name, env)) {
      env.RemoveTree(entry);
      return false;
    }
    if (!env.CopyReplacing(host + "\\" + name, target)) {
      env.ReportPublishFailed(target);
      env.RemoveTree(entry);
      return false;
    }
  }
  for (const std::string& old : HistoryEntriesToPrune(env.FolderNames(root))) env.RemoveTree(root + "\\" + old);
  return true;
}

enum class PublishOutcome { Published, Declined, Failed };

PublishOutcome Publish(const CPanelTable& table, const std::string& work, const std::string& bitmapPath,
                       ISaveEnvironment& env) {
  const std::optional<std::string> host = env.HostPanelFolder();
  if (!host) return PublishOutcome::Failed;
  const std::vector<PanelFinding> findings =
      CheckPanelForPublishing(table, env.PanelPictureSize(), PublishTarget(work, *host, env));
  if (!findings.empty() && !env.PublishDespite(findings)) return PublishOutcome::Declined;
  if (!KeepHistory(table, work, *host, env)) return PublishOutcome::Failed;
  // Before the table is copied, so that a folder that cannot be made leaves
  // the host folder as it was.
  if (!MakeBitmapFolders(*host, table.BitmapName(), env)) return PublishOutcome::Failed;
  const std::string tableTarget = *host + "\\" + FileNameOfSjisPath(table.TablePath());
  if (!env.CopyReplacing(table.TablePath(), tableTarget)) {
    env.ReportPublishFailed(tableTarget);
    return PublishOutcome::Failed;
  }
  const std::string bitmapTarget = *host + "\\" + table.BitmapName();
  if (!env.CopyReplacing(bitmapPath, bitmapTarget)) {
    env.ReportPublishFailed(bitmapTarget);
    return PublishOutcome::Failed;
  }
  return PublishOutcome::Published;
}

}  // namespace

SaveResult SaveTable(CPanelTable& table, ISaveEnvironment& env, IAskUser& ask) {
  const std::optional<std::string> work = env.WorkFolder();
  if (!work) return SaveResult::NotSaved;
  // Checked before anything is written: a table that cannot be encoded must
  // not leave a new bitmap beside its old table file.
  if (const std::optional<UnsavableReason> reason = FindUnsavable(table)) {
    env.ReportUnsavable(*reason);
    return SaveResult::NotSaved;
  }

  const std::string bitmapPath = *work + "\\" + table.BitmapName();
  if (!env.SavePicture(bitmapPath)) return SaveResult::NotSaved;
  // Formatting gives the external-program cells new identifiers; they stay
  // only when the file that carries them has been written.
  std::vector<CellCode> codesBefore;
  codesBefore.reserve(table.Cells().size());
  for (const CButtonInfo& cell : table.Cells()) codesBefore.push_back(cell.GetCode());
  const std::optional<std::string> bytes = FormatTableFile(table);
  if (!bytes || !env.WriteWholeFile(table.TablePath(), *bytes)) {
    for (size_t i = 0; i < codesBefore.size(); ++i) table.Cells()[i].ReplaceCode(codesBefore[i]);
    return SaveResult::NotSaved;
  }

  if (!ask.AskYesNo(kPublishQuestion, kCautionCaption)) return SaveResult::Saved;
  switch (Publish(table, *work, bitmapPath, env)) {
    case PublishOutcome::Published: return SaveResult::Published;
    case PublishOutcome::Declined: return SaveResult::Saved;
    case PublishOutcome::Failed: break;
  }
  return SaveResult::PublishFailed;
}
