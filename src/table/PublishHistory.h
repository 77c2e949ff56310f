#pragma once
// The versions a publication replaced, kept in the work folder: one folder per
// publication, named by its date and time, the newest ten kept.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

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
