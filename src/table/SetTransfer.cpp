#include "table/SetTransfer.h"

namespace panel {

namespace {

// Where a file about to be replaced is kept until the import is whole: a
// temporary name, so that a start after a kill tidies it away.
std::string KeptPathOf(const std::string& target) { return TemporaryPathOf(TemporaryPathOf(target)); }

}  // namespace

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
  std::vector<std::string> targets;
  std::vector<bool> existed;
  const auto tidy = [&] {
    for (const std::string& target : targets) {
      files.RemoveTree(TemporaryPathOf(target));
      files.RemoveTree(KeptPathOf(target));
    }
  };
  for (const ArchiveFile& file : archived) {
    const std::string target = work + "\\" + file.name;
    targets.push_back(target);
    existed.push_back(files.FileExists(target));
    std::string failed = MakeSubfolders(files, work, file.name);
    if (failed.empty() && !files.WriteWholeFile(TemporaryPathOf(target), file.bytes)) failed = target;
    if (failed.empty() && existed.back() && !files.CopyReplacing(target, KeptPathOf(target))) failed = target;
    if (!failed.empty()) {
      tidy();
      return {ImportOutcome::NotDone, failed};
    }
  }
  for (std::size_t i = 0; i < targets.size(); ++i) {
    if (files.MoveReplacing(TemporaryPathOf(targets[i]), targets[i])) continue;
    bool whole = true;
    for (std::size_t back = 0; back < i; ++back) {
      const bool put = existed[back] ? files.CopyReplacing(KeptPathOf(targets[back]), targets[back])
                                     : files.RemoveFile(targets[back]);
      whole = put && whole;
    }
    tidy();
    if (!whole) return {ImportOutcome::Mixed, targets[i]};
    return {i == 0 ? ImportOutcome::NotDone : ImportOutcome::PutBack, targets[i]};
  }
  tidy();
  return {ImportOutcome::Done, ""};
}

}  // namespace panel
