#include "table/TableSave.h"

#include <vector>

#include "table/SjisPath.h"
#include "table/TableChecks.h"
#include "table/TableTexts.h"

namespace {

std::optional<UnsavableReason> FindUnsavable(const CPanelTable& table) {
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

bool Publish(const CPanelTable& table, const std::string& bitmapPath, ISaveEnvironment& env) {
  const std::optional<std::string> host = env.HostPanelFolder();
  if (!host) return false;
  // Before the table is copied, so that a folder that cannot be made leaves
  // the host folder as it was.
  if (!MakeBitmapFolders(*host, table.BitmapName(), env)) return false;
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
