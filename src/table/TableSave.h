#pragma once
#include <optional>
#include <string>

#include <vector>

#include "table/AskUser.h"
#include "table/PanelCheck.h"
#include "table/PanelTable.h"
#include "table/TableFileWriter.h"

// "クロヴァンに反映させますか？"
inline constexpr char kPublishQuestion[] =
    "\x83\x4e\x83\x8d\x83\x94\x83\x40\x83\x93\x82\xc9\x94\xbd\x89\x66\x82\xb3\x82\xb9\x82\xdc\x82\xb7\x82\xa9\x81\x48";

// Why a table could not be saved at all, before any file was touched.
enum class UnsavableReason {
  BitmapNameOutsideFolder,  // the bitmap name would leave the folder (see IsNameInsideFolder)
  TooManyExternalPrograms,  // see TableEncodeProblem
  InfraredKeyClash,
  BitmapNameIsDevice,       // the bitmap name reaches a device such as COM1 (see NamesDevice)
};

// What the save needs from the platform. Every step that fails has already
// told the user why (naming the file) when it returns. Names are compared as
// in the work folder.
class ISaveEnvironment : public IFileNames {
 public:
  virtual ~ISaveEnvironment() = default;
  // Folder paths without a trailing separator; nothing when unavailable.
  virtual std::optional<std::string> WorkFolder() = 0;
  virtual std::optional<std::string> HostPanelFolder() = 0;
  // Each replaces the target only once the new content is complete, so a
  // failure leaves the previous file as it was.
  virtual bool SavePicture(const std::string& pathSjis) = 0;
  virtual bool WriteWholeFile(const std::string& pathSjis, const std::string& bytes) = 0;
  virtual bool CopyReplacing(const std::string& fromSjis, const std::string& toSjis) = 0;
  // Makes the folder unless it is there already (its parent exists).
  virtual bool MakeFolder(const std::string& pathSjis) = 0;
  virtual bool FileExists(const std::string& pathSjis) = 0;
  // Names of the files and folders in a folder; none when it cannot be read.
  virtual std::vector<std::string> FolderNames(const std::string& folderSjis) = 0;
  // Removes a folder with everything in it, as far as it can.
  virtual void RemoveTree(const std::string& pathSjis) = 0;
  // The local date and time as "YYYYMMDD-HHMMSS".
  virtual std::string Timestamp() = 0;
  // The size of the picture being saved as the panel's bitmap.
  virtual PictureSize PanelPictureSize() = 0;
  // Shows what the panel check found; true when the user publishes anyway.
  virtual bool PublishDespite(const std::vector<PanelFinding>& findings) = 0;
  virtual void ReportUnsavable(UnsavableReason reason) = 0;
  // A publishing step failed on the named file or folder; the work folder's
  // files stay saved.
  virtual void ReportPublishFailed(const std::string& targetSjis) = 0;
};

enum class SaveResult {
  NotSaved,       // nothing in the work folder changed
  Saved,          // saved; the user did not want it published (asked, or after the findings)
  Published,      // saved and both files copied to the host folder
  PublishFailed,  // saved; the host folder keeps its previous table and bitmap
};

// Bitmap and table file into the work folder, then, if the user agrees, the
// table file and the bitmap (in that order) into the host panel folder; a
// bitmap in a subfolder goes to the same subfolder there, made first.
// Before publishing, the panel is checked (CheckPanelForPublishing) and the
// user sees any findings; the host's previous table and bitmap are then kept
// in a new entry of the work folder's history (see PublishHistory.h), and
// when they cannot be kept nothing in the host folder changes.
// Publishing stops at the first failed step: as the table goes first, the host
// never gets a new bitmap beside an old table.
SaveResult SaveTable(CPanelTable& table, ISaveEnvironment& env, IAskUser& ask);
