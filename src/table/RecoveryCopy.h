#pragma once
// A recovery copy of a panel's unsaved work: the table file and the bitmap
// that saving would write, kept in a folder of their own under the recovery
// folder of the work folder, never over the panel's real files. Each state
// goes into the slot the manifest does not name, then the manifest is
// replaced: a kill at any moment leaves the previous state or the new one
// whole, and the manifest's sizes and checksums tell a damaged copy.
#include <optional>
#include <string>
#include <vector>

#include "table/FolderFiles.h"

namespace panel {

// "復元用", inside the work folder.
inline constexpr char kRecoveryFolderName[] = "\x95\x9c\x8c\xb3\x97\x70";
std::string RecoveryFolderOf(const std::string& workFolderSjis);

struct RecoveryContent {
  std::string tablePath;  // the table the work belongs to
  std::string tableBytes;
  std::string bitmapBytes;
  // The table's kept top-level lines: reading the table bytes back would take
  // the blank lines between their sections for more of them.
  std::string extraText;
};

// Writes the new state into `copyFolder`, making it (and its parent) when
// missing. False when a step failed; the previous state is then still whole.
bool WriteRecoveryCopy(IFolderFiles& files, const std::string& copyFolder, const RecoveryContent& content);

enum class RecoveryState {
  Missing,  // no manifest: nothing was ever completed there
  Damaged,  // a manifest that cannot be read, or files that do not match it
  Whole,
};

struct RecoveryCopy {
  RecoveryState state = RecoveryState::Missing;
  std::string tablePath;
  std::string writtenAt;  // "YYYYMMDD-HHMMSS"
  std::string tableBytes;
  std::string extraText;
  std::string bitmapPath;  // the bitmap's copy, checked against the manifest
};

// With `wholeFiles` false only the manifest is read (the table path and time),
// and the copy counts as whole when the manifest is.
RecoveryCopy ReadRecoveryCopy(IFolderFiles& files, const std::string& copyFolder, bool wholeFiles = true);

// The copy folders in the recovery folder, oldest first (their names are the
// times they were begun); those set aside are left out.
std::vector<std::string> RecoveryCopyFolders(IFolderFiles& files, const std::string& recoveryFolder);
// A name for a new copy that no folder there has.
std::string NewRecoveryCopyFolder(IFolderFiles& files, const std::string& recoveryFolder);
// Renames a damaged copy so that it is reported once and kept for a look.
bool SetAsideDamaged(IFolderFiles& files, const std::string& copyFolder);

}  // namespace panel
