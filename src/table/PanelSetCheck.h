#pragma once
// The set checked and published as one: the check before publishing over
// each chosen panel, with what only the whole set shows, and the chosen
// panels' tables and bitmaps put into the host folder in one step.
#include <string>
#include <vector>

#include "table/HostStep.h"
#include "table/PanelCheck.h"
#include "table/PanelSet.h"
#include "table/TableChecks.h"

namespace panel {

// What the set's check and publishing need besides the file primitives.
class IPanelSetEnvironment : public IFolderFiles, public IFileNames, public IPictureProbe {};

struct SetFinding {
  std::string tableName;  // the panel
  PanelFinding finding;   // the button (or the panel as a whole) and what to do
};

// The findings for publishing the panels `chosen` (indexes into `panels`) of
// the work folder: a switch to a panel published with them counts as
// published; a switch to one left behind that the host lacks is found. Then
// each chosen panel from which switching never reaches a 閉じる button.
std::vector<SetFinding> CheckSetForPublishing(IPanelSetEnvironment& env, const std::string& work,
                                              const std::string& host, const std::vector<SetPanel>& panels,
                                              const std::vector<size_t>& chosen);

// The panels publishing would change: those whose work copy differs from the host's or was never published.
std::vector<size_t> PanelsToPublish(const std::vector<SetPanel>& panels);

// The tables and bitmaps of the chosen panels into the host folder as one step
// (see HostStep.h): all of them or, after a failure, none; the host's
// previous files are kept in one history entry.
HostStepResult PublishPanels(IFolderFiles& files, const IFileNames& names, const std::string& work,
                             const std::string& host, const std::vector<SetPanel>& panels,
                             const std::vector<size_t>& chosen);

}  // namespace panel
