#include "table/TableSave.h"

#include <vector>

#include "table/SjisPath.h"
#include "table/TableChecks.h"
#include "table/TableTexts.h"

namespace {

std::optional<UnsavableReason> FindUnsavable(const CPanelTable& table) {
  if (!IsPlainFileName(table.BitmapName())) return UnsavableReason::BitmapNameNotPlain;
  switch (FindEncodeProblem(table)) {
    case TableEncodeProblem::None: return std::nullopt;
    case TableEncodeProblem::TooManyExternalPrograms: return UnsavableReason::TooManyExternalPrograms;
    case TableEncodeProblem::InfraredKeyClash: return UnsavableReason::InfraredKeyClash;
  }
  return UnsavableReason::InfraredKeyClash;
}

bool Publish(const CPanelTable& table, const std::string& bitmapPath, ISaveEnvironment& env) {
  const std::optional<std::string> host = env.HostPanelFolder();
  if (!host) return false;
  const std::string tableTarget = *host + "\\" + FileNameOfSjisPath(table.TablePath());
  if (!env.CopyReplacing(table.TablePath(), tableTarget)) {
    env.ReportPublishFailed(tableTarget);
    return false;
  }
  const std::string bitmapTarget = *host + "\\" + table.BitmapName();
  if (!env.CopyReplacing(bitmapPath, bitmapTarget)) {
    env.ReportPublishFailed(bitmapTarget);
    return false;
  }
  return true;
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
  return Publish(table, bitmapPath, env) ? SaveResult::Published : SaveResult::PublishFailed;
}
