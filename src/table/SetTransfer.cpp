#include "table/SetTransfer.h"

#include "table/ImportStep.h"

namespace panel {

ExportResult ExportSet(IFolderFiles& files, const std::string& work, const std::string& archivePath) {
  std::vector<ArchiveFile> archived;
  std::size_t total = 0;
  for (const std::string& name : SetFileNames(files, work)) {
    std::optional<std::string> bytes = files.ReadWholeFile(work + "\\" + name);
    if (!bytes) return {ExportOutcome::Unreadable, work + "\\" + name};
    total += bytes->size();
    if (total > kMaxArchiveBytes || archived.size() == kMaxArchiveFiles) return {ExportOutcome::TooLarge, work};
    archived.push_back({name, std::move(*bytes)});
  }
  const std::optional<std::string> zip = PackArchive(archived, files.Timestamp());
  if (!zip || zip->size() > kMaxArchiveFileBytes) return {ExportOutcome::TooLarge, work};
  if (!files.WriteWholeFile(archivePath, *zip)) return {ExportOutcome::NotWritten, archivePath};
  return {};
}

ImportPlan PlanImport(IFolderFiles& files, const std::string& work, const std::vector<ArchiveFile>& archived) {
  ImportPlan plan;
  for (const ArchiveFile& file : archived) {
    (files.FileExists(work + "\\" + file.name) ? plan.replaced : plan.added).push_back(file.name);
  }
  return plan;
}

ImportResult ImportSet(IFolderFiles& files, const std::string& work, const std::vector<ArchiveFile>& archived) {
  // A step an earlier run left is settled first; its kept files are the only copies of what it replaced.
  if (!SettleImportStep(files, work)) return {ImportOutcome::NotDone, work + "\\" + kImportStepRecordName};
  ImportStepNames names;
  for (const ArchiveFile& file : archived) {
    (files.FileExists(work + "\\" + file.name) ? names.replaced : names.added).push_back(file.name);
  }
  if (!BeginImportStep(files, work, names)) return {ImportOutcome::NotDone, work + "\\" + kImportStepRecordName};
  // Undoes the step; `changed` tells whether any file had been moved into place.
  const auto undo = [&](const std::string& failed, bool changed) -> ImportResult {
    if (!SettleImportStep(files, work)) return {ImportOutcome::Mixed, failed};
    return {changed ? ImportOutcome::PutBack : ImportOutcome::NotDone, failed};
  };
  for (const ArchiveFile& file : archived) {
    const std::string target = work + "\\" + file.name;
    std::string failed = MakeSubfolders(files, work, file.name);
    if (failed.empty() && !files.WriteWholeFile(TemporaryPathOf(target), file.bytes)) failed = target;
    if (failed.empty() && files.FileExists(target) && !files.CopyReplacing(target, KeptPathOf(target))) failed = target;
    if (!failed.empty()) return undo(failed, false);
  }
  for (std::size_t i = 0; i < archived.size(); ++i) {
    const std::string target = work + "\\" + archived[i].name;
    if (!files.MoveReplacing(TemporaryPathOf(target), target)) return undo(target, i > 0);
  }
  if (!MarkImportStepDone(files, work, names)) return undo(work + "\\" + kImportStepRecordName, true);
  SettleImportStep(files, work);
  return {ImportOutcome::Done, ""};
}

}  // namespace panel
