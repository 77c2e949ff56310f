#pragma once
// Putting a version kept in the publish history back into the host folder,
// as one step (see HostStep.h) whose replaced files are kept in the history
// in turn.
#include <optional>
#include <string>
#include <vector>

#include "table/HostStep.h"

namespace panel {

class IRestoreEnvironment : public IFolderFiles {
 public:
  // Folder paths without a trailing separator; nothing when unavailable (the
  // platform has said why).
  virtual std::optional<std::string> WorkFolder() = 0;
  virtual std::optional<std::string> HostPanelFolder() = 0;
  // Asks whether to put back the entry's files (names relative to it); true on Yes.
  virtual bool ConfirmRestore(const std::string& entryName, const std::vector<std::string>& files) = 0;
  // The host's present files could not be kept in the history; nothing changed.
  virtual void ReportNotKept(const std::string& failedSjis) = 0;
  virtual void ReportRestoreFailed(const std::string& targetSjis, HostLeft left) = 0;
};

// The files of a complete history entry of the work folder, table first;
// none for an entry that is incomplete, missing or not an entry name.
std::vector<std::string> PublishedVersionFiles(IFolderFiles& files, const std::string& work,
                                               const std::string& entryName);

// True when the host holds the entry's files afterwards.
bool RestoreVersion(const std::string& entryName, IRestoreEnvironment& env);

}  // namespace panel
