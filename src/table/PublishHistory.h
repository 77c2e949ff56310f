#pragma once
// The versions a publication replaced, kept in the work folder: one folder per
// publication, named by its date and time, the newest ten kept. An entry is
// written under a temporary name and renamed once whole, and it counts only
// while it holds its tables (one, or a set's) and the bitmap each names.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "table/FolderFiles.h"

namespace panel {

// "公開履歴": the history's folder inside the work folder.
inline constexpr char kHistoryFolderName[] = "\x8c\xf6\x8a\x4a\x97\x9a\x97\xf0";
inline constexpr std::size_t kHistoryKept = 10;

// "YYYYMMDD-HHMMSS", optionally followed by "-2", "-3" ... for a second
// publication within the same second.
bool IsHistoryEntryName(std::string_view name);

// An entry as people read it: "2026/12/08 05:30:12", with " (2)" after it for
// a second publication within that second. "" for a name that is no entry.
std::string HistoryEntryLabel(std::string_view name);

// The name for a publication at `timestamp` ("YYYYMMDD-HHMMSS", local time)
// that none of `existing` has.
std::string NewHistoryEntryName(const std::string& timestamp, const std::vector<std::string>& existing);

// The entries among `names`, oldest first.
std::vector<std::string> HistoryEntriesOldestFirst(const std::vector<std::string>& names);

// The entries to remove, oldest first, so that the newest `kept` remain.
// Folders of other names are never touched.
std::vector<std::string> HistoryEntriesToPrune(const std::vector<std::string>& existing,
                                               std::size_t kept = kHistoryKept);

// The files of a complete entry, the tables first, then their bitmaps; none
// when the entry lacks a table or a bitmap one of them names.
std::vector<std::string> HistoryEntryFiles(IFolderFiles& files, const std::string& entryPath);

// The complete entries of the work folder's history, newest first.
std::vector<std::string> CompleteHistoryEntries(IFolderFiles& files, const std::string& work);

struct KeptVersion {
  std::string entry;   // the new entry's path; "" when the host had none of the files
  std::string failed;  // "" or the folder or file that could not be written
};
// Copies those of the host's files `names` that are there into a new entry,
// written whole under TemporaryPathOf(entry); it counts once
// CommitHistoryEntry has renamed it. Failed, it leaves nothing.
KeptVersion PrepareHistoryEntry(IFolderFiles& files, const std::string& work, const std::string& host,
                                const std::vector<std::string>& names);
// Renames a prepared entry to its name; true when it is there by that name.
bool CommitHistoryEntry(IFolderFiles& files, const std::string& entry);

// Removes entries that can never be put back and the complete ones beyond
// the newest ten.
void PruneHistory(IFolderFiles& files, const std::string& work);

}  // namespace panel
