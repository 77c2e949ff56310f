#pragma once
// The records of the steps a kill may cut (publishing, importing) are lines of
// key=value; lines without '=' are skipped so that a later field never breaks
// an older reader.
#include <string>

namespace panel {

// Calls take(key, value) for each key=value line, CR LF or LF; stops and
// returns false as soon as take does.
template <typename Take>
bool ForEachRecordEntry(const std::string& text, Take take) {
  for (size_t at = 0; at < text.size();) {
    size_t end = text.find('\n', at);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(at, end - at);
    at = end + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    if (!take(line.substr(0, eq), line.substr(eq + 1))) return false;
  }
  return true;
}

}  // namespace panel
