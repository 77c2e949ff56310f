#include "table/TableFileReader.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <unordered_map>
#include <utility>
#include <vector>

#include "table/PlatformFile.h"
#include "table/TableLines.h"
#include "table/TableTexts.h"

namespace panel {

namespace {

bool HasTextBesidesCr(std::string_view line) { return line.find_first_not_of('\r') != std::string_view::npos; }

std::string_view UpToCr(std::string_view line) { return line.substr(0, line.find('\r')); }

std::string_view SkipBlanksAndTabs(std::string_view s) {
  const size_t at = s.find_first_not_of(" \t");
  return at == std::string_view::npos ? std::string_view() : s.substr(at);
}

std::string_view TopLevelToken(std::string_view line) {
  const size_t begin = line.find_first_not_of(" \r");
  if (begin == std::string_view::npos) return {};
  const size_t end = line.find_first_of(" \r", begin);
  return line.substr(begin, end == std::string_view::npos ? std::string_view::npos : end - begin);
}

// Cells looked up by key while the sections are read; codes do not change
// meanwhile, so the lookups are built once instead of scanning the grid per line.
class CellLookup {
 public:
  explicit CellLookup(const CPanelTable& table) : table_(table) {}

  // First cell in ordinal order whose first two code bytes are `key`, or -1.
  int FirstWithKey(std::string_view key) {
    if (!keysIndexed_) {
      keysIndexed_ = true;
      for (int i = 0; i < table_.CellCount(); ++i) firstByKey_.try_emplace(KeyOf(table_.Cell(i).GetCode()), i);
    }
    const auto found = firstByKey_.find((static_cast<size_t>(static_cast<unsigned char>(key[0])) << 8) |
                                        static_cast<unsigned char>(key[1]));
    return found == firstByKey_.end() ? -1 : found->second;
  }

  // In every row, the first cell whose code is 'R' followed by `id`.
  const std::vector<int>& ExternalCells(char id) {
    if (externalById_.empty()) {
      externalById_.resize(256);
      for (int y = 0; y < table_.Rows(); ++y) {
        bool seen[256] = {};
        for (int x = 0; x < table_.Columns(); ++x) {
          const int ordinal = y * table_.Columns() + x;
          const CellCode code = table_.Cell(ordinal).GetCode();
          const auto slot = static_cast<unsigned char>(code[1]);
          if (code[0] == 'R' && !seen[slot]) {
            seen[slot] = true;
            externalById_[slot].push_back(ordinal);
          }
        }
      }
    }
    return externalById_[static_cast<unsigned char>(id)];
  }

 private:
  static size_t KeyOf(const CellCode& c) {
    return (static_cast<size_t>(static_cast<unsigned char>(c[0])) << 8) | static_cast<unsigned char>(c[1]);
  }
  const CPanelTable& table_;
  bool keysIndexed_ = false;
  std::unordered_map<size_t, int> firstByKey_;
  std::vector<std::vector<int>> externalById_;
};

bool ReadHeader(CPanelTable& table, TableLines& lines) {
  // An empty name is refused even when a CR hides more text behind it: the
  // writer would write an empty first line that no reader accepts.
  std::string_view line;
  if (!lines.Next(line) || UpToCr(line).empty()) return false;
  table.SetBitmapName(std::string(UpToCr(line)));

  if (!lines.Next(line)) return false;
  int numbers[4];
  int found = 0;
  size_t pos = 0;
  while (found < 4 && pos < line.size()) {
    const size_t end = std::min(line.find_first_of(",\r", pos), line.size());
    if (end > pos) numbers[found++] = ParseDecimalField(line.substr(pos, end - pos));
    pos = end + 1;
  }
  if (found < 4) return false;
  return table.CreateGrid(numbers[0], numbers[1], numbers[2], numbers[3]);
}

// A grid line may lack up to three trailing blanks. A shorter one leaves
// cells without any code: the line is damaged, and guessing blanks for them
// would drop their commands and texts at the next save, so it is a failure.
bool ReadGrid(CPanelTable& table, TableLines& lines) {
  const size_t rowBytes = 4 * static_cast<size_t>(table.Columns());
  for (int y = 0; y < table.Rows(); ++y) {
    std::string_view line;
    if (!lines.Next(line) || !HasTextBesidesCr(line)) return false;
    const std::string_view row = UpToCr(line);
    if (row.size() + 3 < rowBytes) return false;
    for (int x = 0; x < table.Columns(); ++x) {
      const int ordinal = y * table.Columns() + x;
      table.Cell(ordinal).SetCode(MakeCellCode(row.substr(4 * static_cast<size_t>(x))), ordinal);
    }
  }
  return true;
}

// Reads up to the closing line; false when the file ends first.
template <typename IsEnd, typename OnLine>
bool ReadSection(TableLines& lines, IsEnd isEnd, OnLine onLine) {
  std::string_view line;
  while (lines.Next(line)) {
    if (isEnd(line)) return true;
    if (!line.empty()) onLine(line);
  }
  return false;
}

void FileInfraredEntry(CPanelTable& table, CellLookup& lookup, std::string_view line) {
  const std::string_view entry = SkipBlanksAndTabs(line);
  if (entry.size() < 2 || entry.front() == '\'') return;
  const size_t eq = entry.find('=');
  if (eq == std::string_view::npos || eq + 1 == entry.size()) return;
  const int ordinal = lookup.FirstWithKey(entry.substr(0, 2));
  if (ordinal >= 0) table.Cell(ordinal).AddText(entry.substr(eq + 1));
}

void FileExternalCommand(CPanelTable& table, CellLookup& lookup, std::string_view line) {
  if (line.size() < 2 || line[1] != '=') return;
  for (int ordinal : lookup.ExternalCells(line[0])) table.Cell(ordinal).SetCommandText(line.substr(2));
}

}  // namespace

int ParseDecimalField(std::string_view field) {
  size_t i = field.find_first_not_of(" \t\v\f");
  if (i == std::string_view::npos) return 0;
  bool negative = false;
  if (field[i] == '+' || field[i] == '-') negative = field[i++] == '-';
  std::int64_t value = 0;
  for (; i < field.size() && field[i] >= '0' && field[i] <= '9'; ++i) {
    value = value * 10 + (field[i] - '0');
    if (value > INT_MAX) {
      value = static_cast<std::int64_t>(INT_MAX) + 1;  // saturate; keeps INT_MIN reachable
    }
  }
  if (negative) value = -value;
  if (value > INT_MAX) return INT_MAX;
  return static_cast<int>(value);
}

namespace {

std::string ReadTableLines(CPanelTable& table, TableLines& lines, const std::string& pathSjis, IAskUser& ask) {
  table.SetTablePath(pathSjis);
  if (!ReadHeader(table, lines) || !ReadGrid(table, lines)) return kTableFileInvalid;

  CellLookup lookup(table);
  std::string& extra = table.ExtraText();
  extra.clear();
  bool complete = false;
  bool foreign = false;
  const std::string_view remoteDataSuffix = kRemoteDataSuffix;
  std::string_view line;
  while (lines.Next(line)) {
    const std::string_view token = TopLevelToken(line);
    if (token == kInfraredSectionMarker) {
      complete = ReadSection(
          lines, [](std::string_view l) { return SkipBlanksAndTabs(l) == kSectionEnd; },
          [&](std::string_view l) { FileInfraredEntry(table, lookup, l); });
    } else if (token == kExternalSectionMarker) {
      complete = ReadSection(
          lines, [](std::string_view l) { return l == kSectionEnd; },
          [&](std::string_view l) { FileExternalCommand(table, lookup, l); });
    } else if (remoteDataSuffix.find(token) != std::string_view::npos) {
      extra.append(token).push_back('\n');
      complete = true;
    } else {
      foreign = true;
      complete = ReadSection(
          lines, [](std::string_view l) { return l == kSectionEnd; }, [](std::string_view) {});
    }
    if (!complete) break;
  }
  if (lines.Failed()) return kTableFileInvalid;

  if (foreign) return ask.AskYesNo(kForeignDataQuestion, kCautionCaption) ? "" : kTableFileInvalid;
  if (!complete) return ask.AskYesNo(kDamagedTableQuestion, kCautionCaption) ? "" : kTableFileInvalid;
  return "";
}

}  // namespace

std::string ReadTableBytes(CPanelTable& table, std::string_view bytes, const std::string& pathSjis,
                           IAskUser& ask) {
  MemoryLines lines(bytes);
  return ReadTableLines(table, lines, pathSjis, ask);
}

std::string ReadTableFile(CPanelTable& table, const std::string& pathSjis, IAskUser& ask, size_t blockBytes) {
  try {
    UniqueFile file(OpenFileSjis(pathSjis, "rb"));
    if (!file) return kTableFileInvalid;
    long size = -1;  // stays -1 beyond 2 GiB where long has 32 bits
    if (std::fseek(file.get(), 0, SEEK_END) == 0) size = std::ftell(file.get());
    if (std::fseek(file.get(), 0, SEEK_SET) != 0) return kTableFileInvalid;
    if (size > 0 && static_cast<unsigned long>(size) > kMaxTableFileBytes) return kTableFileInvalid;
    // A file whose size could not be told, or that grows meanwhile, meets the
    // limit while it is read.
    FileLines lines(std::move(file), blockBytes, kMaxTableFileBytes);
    return ReadTableLines(table, lines, pathSjis, ask);
  } catch (const std::exception&) {
    // Out of memory for an absurd table: refused like any damaged one rather
    // than ending the program.
    return kTableFileInvalid;
  }
}

}  // namespace panel
