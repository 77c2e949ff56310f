#pragma once
// Duplicating and deleting a panel of the work folder: the order of the
// steps and what each failure leaves, on the file primitives. What a copy
// holds and what a deletion may remove is decided by ManagePanels.h; the
// platform asks, lists and reports.
#include <optional>
#include <string>
#include <vector>

#include "table/FileNames.h"
#include "table/FolderFiles.h"

namespace panel {

enum class PanelFileProblem {
  TableExists,       // path: the copy's table, there already
  SourceUnreadable,  // path: the table to copy
  NotDuplicable,     // path: the table to copy (no bitmap line, or one leaving the folder)
  BitmapNotCopied,   // path: the bitmap copied, to: the copy's bitmap
  TableNotMade,      // path: the copy's table
  TableNotDeleted,   // path
  BitmapNotDeleted,  // path; the table is gone
  FacesNotCopied,    // path: the face file or background copied, to: its copy's
  FacesNotDeleted,   // path; the table is gone
};

struct DeleteQuestion {
  std::string tableName;
  std::string bitmapName;                  // "" when no bitmap of its own is there to mention
  bool removeBitmap = false;
  std::vector<std::string> keptFor;        // the tables the bitmap stays for
  bool keptForUnreadable = false;          // ... which could not be read, so might name it
  std::vector<std::string> switchingHere;  // tables with buttons switching to this panel
};

// Names are compared as in the work folder.
class IPanelFilesEnvironment : public IFolderFiles, public IFileNames {
 public:
  // The copy's identifier; nothing when cancelled or refused (already said).
  virtual std::optional<char> AskIdentifier(const std::string& tableName) = 0;
  virtual bool ConfirmReplaceBitmap(const std::string& bitmapName) = 0;
  // The table names of the work folder the list shows.
  virtual std::vector<std::string> TableFileNames(const std::string& work) = 0;
  virtual bool ConfirmDelete(const DeleteQuestion& question) = 0;
  virtual void Report(PanelFileProblem problem, const std::string& path, const std::string& to = "") = 0;
};

// The copy's table name, or nothing when nothing was made. The bitmap goes
// first, so no table ever names a bitmap that is not there; a bitmap made for
// a table that then could not be written is taken away again. The copy gets
// its own face file and background when the source has them, and never
// keeps ones an earlier panel of its name left.
std::optional<std::string> DuplicatePanel(const std::string& work, const std::string& tableName,
                                          IPanelFilesEnvironment& env);

// True when the table is gone. Its bitmap goes too only when no other table
// names it, nor might (a table that cannot be read keeps it); its face file
// and background always go with it.
bool DeletePanel(const std::string& work, const std::string& tableName, IPanelFilesEnvironment& env);

// Removes the face file and background of `tableName`, so that a panel made
// under that name is not dressed in another's faces; the path that could not
// be removed, or "".
std::string RemovePanelFaces(IFolderFiles& files, const std::string& work, const std::string& tableName);

}  // namespace panel
