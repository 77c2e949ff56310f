#include "table/PublishHistory.h"

#include <algorithm>
#include <set>
#include <utility>

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
