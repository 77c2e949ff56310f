#pragma once
#include <optional>
#include <string>

#include "table/AskUser.h"
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
};

// What the save needs from the platform. Every step that fails has already
// told the user why (naming the file) when it returns.
class ISaveEnvironment {
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
  virtual void ReportUnsavable(UnsavableReason reason) = 0;
  // A publishing step failed on the named file or folder; the work folder's
  // files stay saved.
  virtual void ReportPublishFailed(const std::string& targetSjis) = 0;
};

enum class SaveResult {
  NotSaved,       // nothing in the work folder changed
  Saved,          // saved; the user did not want it published
  Published,      // saved and both files copied to the host folder
  PublishFailed,  // saved; the host folder keeps its previous table and bitmap
};

// Bitmap and table file into the work folder, then, if the user agrees, the
// table file and the bitmap (in that order) into the host panel folder; a
// bitmap in a subfolder goes to the same subfolder there, made first.
// Publishing stops at the first failed step: as the table goes first, the host
// never gets a new bitmap beside an old table.
SaveResult SaveTable(CPanelTable& table, ISaveEnvironment& env, IAskUser& ask);
