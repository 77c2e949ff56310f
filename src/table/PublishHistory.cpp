#include "table/PublishHistory.h"

#include "table/SjisPath.h"
#include "table/TableChecks.h"

#include <algorithm>
#include <set>
#include <utility>

namespace panel {

namespace {

bool AllDigits(std::string_view s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Timestamp, then the serial (1 for none): "-10" must follow "-9".
std::pair<std::string_view, long> SortKey(std::string_view name) {
  if (name.size() == 15) return {name, 1};
  return {name.substr(0, 15), std::stol(std::string(name.substr(16)))};
}

}  // namespace

bool IsHistoryEntryName(std::string_view name) {
  if (name.size() < 15 || !AllDigits(name.substr(0, 8)) || name[8] != '-' || !AllDigits(name.substr(9, 6))) {
    return false;
  }
  if (name.size() == 15) return true;
  const std::string_view serial = name.substr(16);
  return name[15] == '-' && AllDigits(serial) && serial.size() <= 6 && serial.front() != '0';
}

std::string HistoryEntryLabel(std::string_view name) {
  if (!IsHistoryEntryName(name)) return {};
  std::string label = std::string(name.substr(0, 4)) + "/" + std::string(name.substr(4, 2)) + "/" +
                      std::string(name.substr(6, 2)) + " " + std::string(name.substr(9, 2)) + ":" +
                      std::string(name.substr(11, 2)) + ":" + std::string(name.substr(13, 2));
  if (name.size() > 15) label += " (" + std::string(name.substr(16)) + ")";
  return label;
}

std::string NewHistoryEntryName(const std::string& timestamp, const std::vector<std::string>& existing) {
  const std::set<std::string> taken(existing.begin(), existing.end());
  std::string name = timestamp;
  for (int serial = 2; taken.count(name) != 0; ++serial) name = timestamp + "-" + std::to_string(serial);
  return name;
}

std::vector<std::string> HistoryEntriesOldestFirst(const std::vector<std::string>& names) {
  std::vector<std::string> entries;
  for (const std::string& name : names) {
    if (IsHistoryEntryName(name)) entries.push_back(name);
  }
  std::sort(entries.begin(), entries.end(),
            [](const std::string& a, const std::string& b) { return SortKey(a) < SortKey(b); });
  return entries;
}

std::vector<std::string> HistoryEntriesToPrune(const std::vector<std::string>& existing, std::size_t kept) {
  std::vector<std::string> entries = HistoryEntriesOldestFirst(existing);
  if (entries.size() <= kept) return {};
  entries.resize(entries.size() - kept);
  return entries;
}

namespace {

bool EndsWithTbl(std::string_view name) {
  if (name.size() < 5) return false;
  std::string ext(name.substr(name.size() - 4));
  for (char& c : ext) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return ext == ".tbl";
}

std::string HistoryRoot(const std::string& work) { return work + "\\" + kHistoryFolderName; }

}  // namespace

std::vector<std::string> HistoryEntryFiles(IFolderFiles& files, const std::string& entryPath) {
  std::vector<std::string> tables, bitmaps;
  for (const std::string& name : files.FolderNames(entryPath)) {
    if (EndsWithTbl(name) && !IsTemporaryName(name)) tables.push_back(name);
  }
  if (tables.empty()) return {};
  for (const std::string& table : tables) {
    const std::optional<std::string> bytes = files.ReadWholeFile(entryPath + "\\" + table);
    if (!bytes) return {};
    const std::optional<std::string> bitmap = BitmapNameOfTableBytes(*bytes);
    if (!bitmap || !files.FileExists(entryPath + "\\" + *bitmap)) return {};
    if (std::find(bitmaps.begin(), bitmaps.end(), *bitmap) == bitmaps.end()) bitmaps.push_back(*bitmap);
  }
  tables.insert(tables.end(), bitmaps.begin(), bitmaps.end());
  return tables;
}

std::vector<std::string> CompleteHistoryEntries(IFolderFiles& files, const std::string& work) {
  const std::string root = HistoryRoot(work);
  std::vector<std::string> complete;
  const std::vector<std::string> entries = HistoryEntriesOldestFirst(files.FolderNames(root));
  for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
    if (!HistoryEntryFiles(files, root + "\\" + *entry).empty()) complete.push_back(*entry);
  }
  return complete;
}

KeptVersion PrepareHistoryEntry(IFolderFiles& files, const std::string& work, const std::string& host,
                                const std::vector<std::string>& names) {
  std::vector<std::string> present;
  for (const std::string& name : names) {
    if (files.FileExists(host + "\\" + name)) present.push_back(name);
  }
  if (present.empty()) return {};
  const std::string root = HistoryRoot(work);
  if (!files.MakeFolder(root)) return {"", root};
  const std::string entry = root + "\\" + NewHistoryEntryName(files.Timestamp(), files.FolderNames(root));
  const std::string writing = TemporaryPathOf(entry);
  files.RemoveTree(writing);
  std::string failed = files.MakeFolder(writing) ? "" : writing;
  for (size_t i = 0; i < present.size() && failed.empty(); ++i) {
    failed = MakeSubfolders(files, writing, present[i]);
    if (failed.empty() && !files.CopyReplacing(host + "\\" + present[i], writing + "\\" + present[i])) {
      failed = entry + "\\" + present[i];
    }
  }
  if (!failed.empty()) {
    files.RemoveTree(writing);
    return {"", failed};
  }
  return {entry, ""};
}

bool CommitHistoryEntry(IFolderFiles& files, const std::string& entry) {
  const std::string writing = TemporaryPathOf(entry);
  const std::string root = entry.substr(0, entry.size() - FileNameOfSjisPath(entry).size() - 1);
  const std::vector<std::string> names = files.FolderNames(root);
  if (std::find(names.begin(), names.end(), FileNameOfSjisPath(writing)) == names.end()) {
    return std::find(names.begin(), names.end(), FileNameOfSjisPath(entry)) != names.end();
  }
  return files.MoveReplacing(writing, entry);
}

void PruneHistory(IFolderFiles& files, const std::string& work) {
  const std::string root = HistoryRoot(work);
  std::vector<std::string> complete, doomed;
  for (const std::string& entry : HistoryEntriesOldestFirst(files.FolderNames(root))) {
    (HistoryEntryFiles(files, root + "\\" + entry).empty() ? doomed : complete).push_back(entry);
  }
  for (const std::string& old : HistoryEntriesToPrune(complete)) doomed.push_back(old);
  for (const std::string& entry : doomed) files.RemoveTree(root + "\\" + entry);
}

}  // namespace panel
