#include "table/PanelCheck.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <string_view>

#include "devices/core/IrCodeText.h"
#include "table/PanelCheckTexts.h"
#include "table/SjisPath.h"

namespace {

// `pattern` with %1, %2 ... replaced; '%' is never a trail byte of Shift-JIS.
std::string Fill(std::string_view pattern, std::initializer_list<std::string> values) {
  std::string out;
  for (size_t i = 0; i < pattern.size(); ++i) {
    const size_t slot = i + 1 < pattern.size() ? static_cast<size_t>(pattern[i + 1] - '1') : values.size();
    if (pattern[i] == '%' && slot < values.size()) {
      out += values.begin()[slot];
      ++i;
    } else {
      out += pattern[i];
    }
  }
  return out;
}

std::string Number(std::int64_t n) { return std::to_string(n); }

}  // namespace

std::string CellLabel(int ordinal, int columns) {
  return Fill(kCellLabel, {Number(ordinal + 1), Number(ordinal / columns + 1), Number(ordinal % columns + 1)});
}

namespace {

class Findings {
 public:
  explicit Findings(const CPanelTable& table) : table_(table) {}

  void Panel(std::string text) { list_.push_back({-1, std::move(text)}); }
  void Cell(int ordinal, const std::string& text) {
    list_.push_back({ordinal, CellLabel(ordinal, table_.Columns()) + text});
  }
  std::vector<PanelFinding> Take() { return std::move(list_); }

 private:
  const CPanelTable& table_;
  std::vector<PanelFinding> list_;
};

bool IsPanelIdentifier(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

void CheckPanelSwitch(Findings& findings, int ordinal, char id, const CPanelTable& table,
                      const IPublishTarget& target) {
  const std::string name = kTableFilePrefix + std::string(1, id) + ".tbl";
  if (IsPanelIdentifier(id)) {
    if (name == FileNameOfSjisPath(table.TablePath())) return;  // this very panel, published now
    if (target.FileExists(target.HostFolder() + "\\" + name)) return;
    if (target.FileExists(target.WorkFolder() + "\\" + name)) {
      findings.Cell(ordinal, Fill(kSwitchTargetUnpublished, {name}));
      return;
    }
  }
  findings.Cell(ordinal, Fill(kSwitchTargetMissing, {name}));
}

void CheckInfrared(Findings& findings, int ordinal, const CButtonInfo& cell) {
  if (cell.GetMemo().size() + 1 > kHostMaxInfraredText) {
    findings.Cell(ordinal, Fill(kMemoTooLong, {Number(static_cast<std::int64_t>(cell.GetMemo().size()))}));
  }
  if (cell.GetCount() == 0) findings.Cell(ordinal, kIrNoCode);
  for (int k = 0; k < cell.GetCount(); ++k) {
    // A row name, TAB and the code; the code itself holds no TAB.
    const std::string& text = cell.GetText(k);
    const size_t tab = text.rfind('\t');
    if (tab == std::string::npos || !devices::ParseIrCodeText(std::string_view(text).substr(tab + 1))) {
      findings.Cell(ordinal, Fill(kIrBadCode, {Number(k + 1)}));
    } else if (text.size() > kHostMaxInfraredText) {
      findings.Cell(ordinal, Fill(kIrCodeTooLong, {Number(k + 1), Number(static_cast<std::int64_t>(text.size()))}));
    }
  }
}

// The files a command line may run: the quoted program, or, unquoted, the
// text up to each blank in turn, as the system tries them ("C:\Program
// Files\a.exe /x"). Only full paths ("C:\..." or "\\server\...") are looked
// for; a bare name is found by the system's search when the host runs it.
std::vector<std::string> ProgramCandidates(std::string_view command) {
  const size_t start = command.find_first_not_of(' ');
  if (start == std::string_view::npos) return {};
  command.remove_prefix(start);
  if (command.front() == '"') {
    command.remove_prefix(1);
    return {std::string(command.substr(0, command.find('"')))};
  }
  std::vector<std::string> candidates;
  for (size_t blank = command.find(' '); blank != std::string_view::npos; blank = command.find(' ', blank + 1)) {
    candidates.emplace_back(command.substr(0, blank));
  }
  candidates.emplace_back(command);
  return candidates;
}

// The candidate to name when none exists: the first that ends like a
// program ("C:\Program Files\a.exe"), else the text up to the first blank.
std::string ProgramName(const std::vector<std::string>& candidates) {
  for (const std::string& path : candidates) {
    std::string end = path.size() >= 4 ? path.substr(path.size() - 4) : std::string();
    for (char& c : end) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    if (end == ".exe" || end == ".com" || end == ".bat" || end == ".cmd") return path;
  }
  return candidates.front();
}

bool IsFullPath(std::string_view path) {
  const bool drive = path.size() >= 3 && path[1] == ':' && path[2] == '\\' &&
                     ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
  return drive || path.substr(0, 2) == "\\\\";
}

void CheckExternalProgram(Findings& findings, int ordinal, const CButtonInfo& cell, const IPublishTarget& target) {
  const std::string& command = cell.GetCommandText();
  const std::vector<std::string> candidates = ProgramCandidates(command);
  if (candidates.empty() || candidates.front().empty()) {
    findings.Cell(ordinal, kNoProgram);
  } else if (IsFullPath(candidates.front()) &&
             std::none_of(candidates.begin(), candidates.end(),
                          [&](const std::string& path) { return target.FileExists(path); })) {
    findings.Cell(ordinal, Fill(kProgramNotFound, {ProgramName(candidates)}));
  }
  if (command.size() > kHostMaxCommandLine) {
    findings.Cell(ordinal, Fill(kCommandTooLong, {Number(static_cast<std::int64_t>(command.size()))}));
  }
}

bool Fits(std::int64_t actual, std::int64_t expected) { return std::llabs(actual - expected) <= 1; }

}  // namespace

std::vector<PanelFinding> CheckPanelForPublishing(const CPanelTable& table, PictureSize picture,
                                                  const IPublishTarget& target) {
  Findings findings(table);
  bool wayOut = false;
  for (const CButtonInfo& cell : table.Cells()) wayOut = wayOut || cell.GetCode()[0] == 'Q' || cell.GetCode()[0] == 'G';
  if (!wayOut) findings.Panel(kNoWayOut);
  if (table.Columns() > kHostMaxColumns) findings.Panel(Fill(kTooManyColumns, {Number(table.Columns())}));
  if (table.BitmapName().size() > kHostMaxBitmapName) {
    findings.Panel(Fill(kBitmapNameTooLong, {Number(static_cast<std::int64_t>(table.BitmapName().size()))}));
  }
  const std::int64_t gridWidth = std::int64_t{table.CellWidth()} * table.Columns();
  const std::int64_t gridHeight = std::int64_t{table.CellHeight()} * table.Rows();
  if (!Fits(picture.width, gridWidth) || !Fits(picture.height, gridHeight)) {
    findings.Panel(Fill(kBitmapSizeOff,
                        {Number(picture.width), Number(picture.height), Number(gridWidth), Number(gridHeight)}));
  }

  for (int ordinal = 0; ordinal < table.CellCount(); ++ordinal) {
    const CButtonInfo& cell = table.Cell(ordinal);
    const CellCode code = cell.GetCode();
    if (code[0] == ' ' && code[1] == ' ') continue;  // a none cell needs nothing
    const std::int64_t right = std::int64_t{table.CellWidth()} * (ordinal % table.Columns() + 1);
    const std::int64_t bottom = std::int64_t{table.CellHeight()} * (ordinal / table.Columns() + 1);
    if (right > picture.width + 1 || bottom > picture.height + 1) findings.Cell(ordinal, kCellOutsideBitmap);
    if (code[0] == 'G') CheckPanelSwitch(findings, ordinal, code[1], table, target);
    if (IsInfraredLead(code[0])) CheckInfrared(findings, ordinal, cell);
    if (code[0] == 'R') CheckExternalProgram(findings, ordinal, cell, target);
  }
  return findings.Take();
}
