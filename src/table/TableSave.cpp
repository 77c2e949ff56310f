#include "table/TableSave.h"

#include <vector>

#include "table/FileNames.h"
#include "table/HostStep.h"
#include "table/SjisPath.h"
#include "table/TableChecks.h"
#include "table/TableTexts.h"

namespace panel {

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

enum class PublishOutcome { Published, Declined, Failed };

PublishOutcome Publish(const CPanelTable& table, const std::string& work, const std::string& bitmapPath,
                       ISaveEnvironment& env) {
  const std::optional<std::string> host = env.HostPanelFolder();
  if (!host) return PublishOutcome::Failed;
  const std::vector<PanelFinding> findings =
      CheckPanelForPublishing(table, env.PanelPictureSize(), PublishTarget(work, *host, env));
  if (!findings.empty() && !env.PublishDespite(findings)) return PublishOutcome::Declined;
  const std::vector<HostStepFile> files = {{FileNameOfSjisPath(table.TablePath()), table.TablePath()},
                                           {table.BitmapName(), bitmapPath}};
  const HostStepResult result = ReplaceHostFiles(env, work, *host, files);
  switch (result.outcome) {
    case HostStepOutcome::Done:
    case HostStepOutcome::Unchanged: return PublishOutcome::Published;
    default: env.ReportPublishFailed(result.failed, HostLeftAfter(result.outcome)); return PublishOutcome::Failed;
  }
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
    if (bytes) env.ReportNotSaved(table.TablePath());
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

}  // namespace panel
