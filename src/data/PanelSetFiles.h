#pragma once
// The panel set of the work folder on real files, with message boxes: read,
// checked, published as one step, written to an archive and taken in from
// one. What to do is decided by table/PanelSet*.h and table/Set*.h.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "table/PanelSetCheck.h"

// Folder paths in Shift-JIS, without a trailing separator.
struct SetFolders {
  std::string work;
  std::string host;
};

std::vector<panel::SetPanel> ReadWorkPanelSet(const SetFolders& folders);

// The combined check of the chosen panels, for showing.
std::vector<panel::SetFinding> CheckWorkPanelSet(const SetFolders& folders, const std::vector<panel::SetPanel>& panels,
                                                 const std::vector<size_t>& chosen);

// Shows what the check found and answers whether to publish anyway: a window of the layers above.
using SetPublishConfirm = std::function<bool(HWND owner, const std::vector<panel::SetFinding>& findings)>;

// Checks the chosen panels, asks, and publishes them as one step. True when
// the host holds them; every failure is shown in a "警告" box naming the file
// and how the host folder was left.
bool PublishWorkPanelSet(HWND owner, const SetFolders& folders, const std::vector<panel::SetPanel>& panels,
                         const std::vector<size_t>& chosen, const SetPublishConfirm& confirm);

// Writes the set's archive to `archivePath` (Shift-JIS). True when written;
// a failure is shown naming the file.
bool ExportWorkPanelSet(HWND owner, const std::string& work, const std::string& archivePath);

// Reads the archive, refuses one that is damaged, not ours or names a place
// outside the work folder, shows what it would add and replace, asks, and
// takes in every file or none. True when the work folder holds them.
bool ImportWorkPanelSet(HWND owner, const std::string& work, const std::string& archivePath);
