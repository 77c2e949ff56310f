#pragma once
// Moving a panel set between work folders: writing its archive, and taking
// one in whole or not at all.
#include <string>
#include <vector>

#include "table/SetArchive.h"

namespace panel {

enum class ExportOutcome {
  Done,
  Unreadable,  // a file of the set could not be read
  TooLarge,    // more than an archive may hold (kMaxArchiveBytes, kMaxArchiveFiles)
  NotWritten,  // the archive could not be written
};
struct ExportResult {
  ExportOutcome outcome = ExportOutcome::Done;
  std::string failed;  // the file that could not be read or written
};

// Packs the set's files of `work` into the archive at `archivePath`, written
// whole or not at all, and only when the import could take it.
ExportResult ExportSet(IFolderFiles& files, const std::string& work, const std::string& archivePath);

struct ImportPlan {
  std::vector<std::string> added;     // names new to the work folder
  std::vector<std::string> replaced;  // names whose files it replaces
};
ImportPlan PlanImport(IFolderFiles& files, const std::string& work, const std::vector<ArchiveFile>& archived);

enum class ImportOutcome {
  Done,       // every file is in the work folder
  NotDone,    // failed before any file of the work folder changed
  PutBack,    // failed part way; the files already replaced are as they were again
  Mixed,      // ... and not all could be put back
};
struct ImportResult {
  ImportOutcome outcome = ImportOutcome::Done;
  std::string failed;  // the file or folder that failed
};

// Taken in as a recorded step (see table/ImportStep.h), so that a failure
// part way, or a kill and the next start, puts the work folder back as it was.
ImportResult ImportSet(IFolderFiles& files, const std::string& work, const std::vector<ArchiveFile>& archived);

}  // namespace panel
