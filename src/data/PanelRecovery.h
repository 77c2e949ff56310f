#pragma once
// Finding recovery copies of unsaved work and asking whether to restore them.
// A damaged copy is reported, set aside and never opened.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "table/PanelTable.h"
#include "winui/Picture.h"

// A panel's unsaved work as its copy holds it, ready for the edit window.
struct RecoveredWork {
  panel::CPanelTable table;
  winui::Picture picture;
  std::string copyFolder;  // where the window goes on keeping it
};

// The newest whole copy of the table at `tablePathSjis`, when there is one and
// the user wants it restored ("注意", Yes and No; No keeps the copy).
std::optional<RecoveredWork> OfferRecovery(HWND owner, const std::string& tablePathSjis);

// The tables of the work folder that have copies, each once, newest copy first.
std::vector<std::string> TablesWithRecoveryCopies(HWND owner, const std::string& workFolderSjis);

// A folder for the copy of a panel opened now.
std::string NewRecoveryCopyFolderFor(const std::string& tablePathSjis);

// Every copy of that table: the panel has been saved.
void RemoveRecoveryCopies(const std::string& tablePathSjis);
