#include "table/PanelSetCheck.h"

#include <algorithm>
#include <exception>

#include "table/AskUser.h"
#include "table/PanelCheckTexts.h"
#include "table/PanelNames.h"
#include "table/PanelSetTexts.h"
#include "table/TableFileReader.h"

namespace panel {

namespace {

// Where the chosen panels go: the host holds them already, as far as their
// switches are concerned.
class SetPublishTarget : public IPublishTarget {
 public:
  SetPublishTarget(IPanelSetEnvironment& env, const std::string& work, const std::string& host,
                   std::vector<std::string> goingWith)
      : env_(env), work_(work), host_(host), goingWith_(std::move(goingWith)) {}
  const std::string& WorkFolder() const override { return work_; }
  const std::string& HostFolder() const override { return host_; }
  bool SameFile(std::string_view a, std::string_view b) const override { return env_.SameFile(a, b); }
  bool FileExists(const std::string& path) const override {
    const std::string prefix = host_ + "\\";
    if (path.rfind(prefix, 0) == 0) {
      const std::string name = path.substr(prefix.size());
      for (const std::string& going : goingWith_) {
        if (env_.SameFile(going, name)) return true;
      }
    }
    return env_.FileExists(path);
  }

 private:
  IPanelSetEnvironment& env_;
  const std::string& work_;
  const std::string& host_;
  std::vector<std::string> goingWith_;
};

std::vector<PanelFinding> CheckOne(IPanelSetEnvironment& env, const std::string& work, const SetPanel& panel,
                                   const SetPublishTarget& target) {
  if (!panel.readFailure.empty()) return {{-1, panel.readFailure}};
  if (panel.bitmapName.empty()) return {{-1, kBitmapUnreadable}};
  const std::string path = work + "\\" + panel.tableName;
  const std::optional<std::string> bytes = env.ReadWholeFile(path);
  const std::optional<PictureSize> picture = env.LoadPictureSize(work + "\\" + panel.bitmapName);
  if (!bytes || !picture) return {{-1, kBitmapUnreadable}};
  GoOnAsker goOn;
  CPanelTable table;
  const std::string failure = ReadTableBytes(table, *bytes, path, goOn);
  if (!failure.empty()) return {{-1, failure}};
  return CheckPanelForPublishing(table, *picture, target);
}

}  // namespace

std::vector<SetFinding> CheckSetForPublishing(IPanelSetEnvironment& env, const std::string& work,
                                              const std::string& host, const std::vector<SetPanel>& panels,
                                              const std::vector<size_t>& chosen) {
  std::vector<std::string> going;
  for (const size_t i : chosen) going.push_back(panels.at(i).tableName);
  const SetPublishTarget target(env, work, host, going);
  std::vector<SetFinding> findings;
  for (const size_t i : chosen) {
    try {
      for (PanelFinding& finding : CheckOne(env, work, panels[i], target)) {
        findings.push_back({panels[i].tableName, std::move(finding)});
      }
    } catch (const std::exception&) {
      findings.push_back({panels[i].tableName, {-1, kCheckIncomplete}});
    }
  }
  const SetLinks links = LinkPanels(panels, env);
  for (const size_t i : chosen) {
    if (!links.trapped[i]) continue;
    const auto first = std::find_if(links.links.begin(), links.links.end(),
                                    [&](const SetLink& link) { return link.from == i && link.to; });
    findings.push_back({panels[i].tableName,
                        {first->ordinal, CellLabel(first->ordinal, panels[i].columns) + kSwitchLoopNoWayOut}});
  }
  return findings;
}

std::vector<size_t> PanelsToPublish(const std::vector<SetPanel>& panels) {
  std::vector<size_t> chosen;
  for (size_t i = 0; i < panels.size(); ++i) {
    if (panels[i].published != PublishedState::Same) chosen.push_back(i);
  }
  return chosen;
}

HostStepResult PublishPanels(IFolderFiles& files, const IFileNames& names, const std::string& work,
                             const std::string& host, const std::vector<SetPanel>& panels,
                             const std::vector<size_t>& chosen) {
  std::vector<HostStepFile> step;
  const auto add = [&](const std::string& name) {
    const bool listed = std::any_of(step.begin(), step.end(), [&](const HostStepFile& f) { return names.SameFile(f.name, name); });
    if (!name.empty() && !listed) step.push_back({name, work + "\\" + name});
  };
  for (const size_t i : chosen) add(panels.at(i).tableName);
  for (const size_t i : chosen) add(panels.at(i).bitmapName);
  if (step.empty()) return {HostStepOutcome::Unchanged, ""};
  return ReplaceHostFiles(files, work, host, step);
}

}  // namespace panel
