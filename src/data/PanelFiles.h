#pragma once
// The opening checks and the save of a panel, with the program's own pictures,
// files and message boxes.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "table/AskUser.h"
#include "table/PanelTable.h"
#include "table/TableSave.h"
#include "winui/Picture.h"

// Questions of the table core as "注意" boxes with Yes and No, owned by `owner`.
class MessageBoxAsk : public panel::IAskUser {
 public:
  explicit MessageBoxAsk(HWND owner) : owner_(owner) {}
  bool AskYesNo(const std::string& textSjis, const std::string& captionSjis) override;

 private:
  HWND owner_;
};

// Where a save writes. Each gives a Shift-JIS folder path, or "" when it has
// already told the user why there is none.
struct PanelFolders {
  std::function<std::string(HWND owner)> work;
  std::function<std::string(HWND owner)> hostPanel;
};
// The folders under the user's documents folder (TOptionMdl's).
PanelFolders DocumentsPanelFolders();

// "" or the failure text to show with the caption "Error". The question about
// foreign commands is owned by `owner`. On success `loaded`, when given, holds
// the panel's picture that the check loaded.
std::string CheckTableBitmap(panel::CPanelTable& table, HWND owner = nullptr, winui::Picture* loaded = nullptr);

// Saves `panelImage` and the table into the work folder and offers to publish
// both. Every failure is shown in a "警告" box naming the file; the file that
// failed keeps its previous content and the table in memory stays as it was,
// so the user can save again. (The bitmap goes first: when only the table file
// fails, the new bitmap stays beside the old table, whose grid it still fits.)
// `confirm` shows what the check before publishing found and answers whether
// to publish anyway: a window of the layers above, which this one has none of.
using PublishConfirm = std::function<bool(HWND owner, const std::vector<panel::PanelFinding>& findings)>;
panel::SaveResult SaveTable(panel::CPanelTable& table, HWND owner, const winui::Picture& panelImage, const PanelFolders& folders,
                     const PublishConfirm& confirm);

// The versions publishing replaced and kept whole in the work folder's history,
// newest first (entry names "YYYYMMDD-HHMMSS", see PublishHistory.h).
std::vector<std::string> PublishHistoryEntries(HWND owner, const PanelFolders& folders = DocumentsPanelFolders());

// The files of one complete history entry, relative to it, the table first.
std::vector<std::wstring> PublishedVersionFiles(HWND owner, const std::string& entryName,
                                                const PanelFolders& folders = DocumentsPanelFolders());

// Asks whether to put the files of one history entry back into the host
// folder and, on Yes, puts them there as one step (see table/HostStep.h). True
// when they are back; a failure is shown in a "警告" box naming the file.
bool RestorePublishedVersion(HWND owner, const std::string& entryName,
                             const PanelFolders& folders = DocumentsPanelFolders());

// At start: finishes or undoes a publication or restore a kill cut off,
// undoes an import it cut off, and removes the temporaries such a kill left
// in the work and host folders.
void TidyPanelFolders(const std::string& work, const std::string& host);
// The same for the folders under the documents folder; quiet, as the main
// window has told about missing folders already.
void TidyDocumentsPanelFolders();
