#include "table/TableFileWriter.h"

#include <cstring>
#include <string_view>
#include <vector>

#include "table/PlatformFile.h"
#include "table/TableTexts.h"

namespace panel {

namespace {

// The file is the one text-mode output would give: every LF written, also one
// inside a text, becomes CR LF.
class TextModeOut {
 public:
  explicit TextModeOut(std::string& out) : out_(out) {}

  TextModeOut& operator<<(std::string_view text) {
    while (!text.empty()) {
      const void* lf = std::memchr(text.data(), '\n', text.size());
      if (!lf) {
        out_.append(text);
        break;
      }
      const size_t n = static_cast<size_t>(static_cast<const char*>(lf) - text.data());
      out_.append(text.data(), n).append("\r\n");
      text.remove_prefix(n + 1);
    }
    return *this;
  }
  TextModeOut& operator<<(char c) { return *this << std::string_view(&c, 1); }
  TextModeOut& operator<<(const CellCode& code) { return *this << std::string_view(code.data(), code.size()); }

 private:
  std::string& out_;
};

void WriteHeader(TextModeOut& out, const std::string& bitmapName, int cellWidth, int cellHeight, int columns,
                 int rows) {
  out << bitmapName << '\n'
      << std::to_string(cellWidth) << ',' << std::to_string(cellHeight) << ',' << std::to_string(columns) << ','
      << std::to_string(rows) << '\n';
}

size_t EstimatedSize(const CPanelTable& table) {
  size_t size = 256 + table.BitmapName().size() + table.ExtraText().size() + 5 * table.Cells().size();
  for (const CButtonInfo& cell : table.Cells()) {
    size += cell.GetMemo().size() + cell.GetCommandText().size();
    for (int k = 0; k < cell.GetCount(); ++k) size += cell.GetText(k).size() + 10;
  }
  return size;
}

}  // namespace

TableEncodeProblem FindEncodeProblem(const CPanelTable& table) {
  size_t externalCells = 0;
  std::vector<bool> keyUsed(1 << 16);
  for (const CButtonInfo& cell : table.Cells()) {
    const CellCode code = cell.GetCode();
    if (code[0] == 'R') ++externalCells;
    if (IsInfraredLead(code[0])) {
      const size_t key = (static_cast<size_t>(static_cast<unsigned char>(code[0])) << 8) |
                         static_cast<unsigned char>(code[1]);
      if (keyUsed[key] || code[1] == '=') return TableEncodeProblem::InfraredKeyClash;
      keyUsed[key] = true;
    }
  }
  if (externalCells > EXTERNAL_ID_ALPHABET.size()) return TableEncodeProblem::TooManyExternalPrograms;
  return TableEncodeProblem::None;
}

std::optional<std::string> FormatTableFile(CPanelTable& table) {
  if (FindEncodeProblem(table) != TableEncodeProblem::None) return std::nullopt;

  std::string bytes;
  bytes.reserve(EstimatedSize(table));
  TextModeOut out(bytes);
  WriteHeader(out, table.BitmapName(), table.CellWidth(), table.CellHeight(), table.Columns(), table.Rows());

  int externalPosition = 0;
  for (int y = 0; y < table.Rows(); ++y) {
    for (int x = 0; x < table.Columns(); ++x) {
      const int ordinal = y * table.Columns() + x;
      CButtonInfo& cell = table.Cell(ordinal);
      CellCode code = cell.GetCode();
      if (code[0] == 'R') {
        code[1] = *ExternalIdForPosition(externalPosition++);  // counted above
        cell.SetCode(code, ordinal);
      }
      out << code;
    }
    out << '\n';
  }
  out << '\n' << kInfraredSectionMarker << '\n';

  for (const CButtonInfo& cell : table.Cells()) {
    const CellCode code = cell.GetCode();
    if (!IsInfraredLead(code[0])) continue;
    const std::string_view entry = "    ";
    out << entry << code[0] << code[1] << "='" << cell.GetMemo() << '\n';
    for (int k = 0; k < cell.GetCount(); ++k) out << entry << code[0] << code[1] << '=' << cell.GetText(k) << '\n';
    out << '\n';
  }
  out << kSectionEnd << "\n\n" << kExternalSectionMarker << '\n';

  for (const CButtonInfo& cell : table.Cells()) {
    const CellCode code = cell.GetCode();
    if (code[0] == 'R') out << code[1] << '=' << cell.GetCommandText() << '\n';
  }
  out << kSectionEnd << '\n' << table.ExtraText();
  return bytes;
}

bool WriteTableFile(CPanelTable& table, const std::string& pathSjis) {
  const std::optional<std::string> bytes = FormatTableFile(table);
  if (!bytes) return false;
  return WriteFileReplacingSjis(pathSjis, *bytes);
}

std::string FormatNewTableFile(const std::string& bitmapNameSjis, int cellWidth, int cellHeight, int columns,
                               int rows) {
  std::string bytes;
  TextModeOut out(bytes);
  WriteHeader(out, bitmapNameSjis, cellWidth, cellHeight, columns, rows);
  const std::string blankRow(4 * static_cast<size_t>(columns > 0 ? columns : 0), ' ');
  for (int y = 0; y < rows; ++y) out << blankRow << '\n';
  out << '\n' << kInfraredSectionMarker << '\n' << kSectionEnd << '\n';
  return bytes;
}

}  // namespace panel
