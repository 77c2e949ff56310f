#include "table/RestoreVersion.h"

#include "table/PublishHistory.h"

namespace panel {

std::vector<std::string> PublishedVersionFiles(IFolderFiles& files, const std::string& work,
                                               const std::string& entryName) {
  if (!IsHistoryEntryName(entryName)) return {};
  return HistoryEntryFiles(files, work + "\\" + kHistoryFolderName + "\\" + entryName);
}

bool RestoreVersion(const std::string& entryName, IRestoreEnvironment& env) {
  const std::optional<std::string> work = env.WorkFolder();
  if (!work) return false;
  const std::vector<std::string> names = PublishedVersionFiles(env, *work, entryName);
  if (names.empty() || !env.ConfirmRestore(entryName, names)) return false;
  const std::optional<std::string> host = env.HostPanelFolder();
  if (!host) return false;
  const std::string entry = *work + "\\" + kHistoryFolderName + "\\" + entryName;
  std::vector<HostStepFile> files;
  for (const std::string& name : names) files.push_back({name, entry + "\\" + name});
  const HostStepResult result = ReplaceHostFiles(env, *work, *host, files);
  switch (result.outcome) {
    case HostStepOutcome::Done:
    case HostStepOutcome::Unchanged: return true;
    case HostStepOutcome::NotKept: env.ReportNotKept(result.failed); return false;
    default: env.ReportRestoreFailed(result.failed, HostLeftAfter(result.outcome)); return false;
  }
}

}  // namespace panel
