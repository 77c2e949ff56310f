#pragma once
// The file primitives the saving, publishing and panel steps are built from.
// None of them tells the user anything: a failed one leaves its reason with
// the platform side, which shows it with the report that follows. Paths are
// Shift-JIS.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace panel {

class IFolderFiles {
 public:
  virtual ~IFolderFiles() = default;
  // The whole file; nothing when it cannot be read.
  virtual std::optional<std::string> ReadWholeFile(const std::string& pathSjis) = 0;
  // Each replaces the target only once the new content is complete, so a
  // failure leaves the previous file as it was.
  virtual bool WriteWholeFile(const std::string& pathSjis, const std::string& bytes) = 0;
  virtual bool CopyReplacing(const std::string& fromSjis, const std::string& toSjis) = 0;
  // Renames a file over its target in one move (refused when the target is
  // read-only or held open), or a folder to a name that is free.
  virtual bool MoveReplacing(const std::string& fromSjis, const std::string& toSjis) = 0;
  // Makes the folder unless it is there already (its parent exists).
  virtual bool MakeFolder(const std::string& pathSjis) = 0;
  virtual bool FileExists(const std::string& pathSjis) = 0;
  // Names of the files and folders in a folder; none when it cannot be read.
  virtual std::vector<std::string> FolderNames(const std::string& folderSjis) = 0;
  // Removes a file as the system does (a read-only one stays); true when it
  // is gone or was never there.
  virtual bool RemoveFile(const std::string& pathSjis) = 0;
  // Removes a file or a folder with everything in it, read-only files too, as
  // far as it can: for our own temporaries and history entries.
  virtual void RemoveTree(const std::string& pathSjis) = 0;
  // The local date and time as "YYYYMMDD-HHMMSS".
  virtual std::string Timestamp() = 0;
};

// Where a new file is prepared before it replaces `pathSjis`: "~" + its name +
// ".tmp" in the same folder. The "~" keeps it out of the table lists.
std::string TemporaryPathOf(const std::string& pathSjis);
// A name of that pattern: only such names are ever removed as leftovers.
bool IsTemporaryName(std::string_view name);

// Makes the subfolders of a name such as "a\b\panel.bmp" under `base`,
// outermost first; the one that could not be made, or "".
std::string MakeSubfolders(IFolderFiles& files, const std::string& base, const std::string& name);

}  // namespace panel
