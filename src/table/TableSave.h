#pragma once
#include <optional>
#include <string>

#include <vector>

#include "table/AskUser.h"
#include "table/HostStep.h"
#include "table/PanelCheck.h"
#include "table/PanelTable.h"
#include "table/TableFileWriter.h"

namespace panel {

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

// What the save needs from the platform besides the file primitives. Names are
// compared as in the work folder.
class ISaveEnvironment : public IFolderFiles, public IFileNames {
 public:
  // Folder paths without a trailing separator; nothing when unavailable (the
  // platform has said why).
  virtual std::optional<std::string> WorkFolder() = 0;
  virtual std::optional<std::string> HostPanelFolder() = 0;
  // Saves the picture as the panel's bitmap, replacing the file only once the
  // new content is complete; a failure has been shown, naming the file.
  virtual bool SavePicture(const std::string& pathSjis) = 0;
  // The size of the picture being saved as the panel's bitmap.
  virtual PictureSize PanelPictureSize() = 0;
  // Shows what the panel check found; true when the user publishes anyway.
  virtual bool PublishDespite(const std::vector<PanelFinding>& findings) = 0;
  virtual void ReportUnsavable(UnsavableReason reason) = 0;
  // The table file could not be written; its previous content stays.
  virtual void ReportNotSaved(const std::string& pathSjis) = 0;
  // A publishing step failed on the named file or folder; the work folder's
  // files stay saved.
  virtual void ReportPublishFailed(const std::string& targetSjis, HostLeft left) = 0;
};

enum class SaveResult {
  NotSaved,       // nothing in the work folder changed
  Saved,          // saved; the user did not want it published (asked, or after the findings)
  Published,      // saved and both files copied to the host folder
  PublishFailed,  // saved; publishing failed and said how it left the host folder
};

// Bitmap and table file into the work folder, then, if the user agrees, the
// table file and the bitmap into the host panel folder as one step (see
// HostStep.h); a bitmap in a subfolder goes to the same subfolder there.
// Before publishing, the panel is checked (CheckPanelForPublishing) and the
// user sees any findings; the host's previous table and bitmap are kept in a
// new entry of the work folder's history (see PublishHistory.h). The host
// never holds a table and a bitmap of different publications.
SaveResult SaveTable(CPanelTable& table, ISaveEnvironment& env, IAskUser& ask);

}  // namespace panel
