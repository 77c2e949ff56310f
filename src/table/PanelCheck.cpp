#include "table/PanelCheck.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <exception>
#include <initializer_list>
#include <string_view>

#include "devices/core/IrCodeText.h"
#include "table/CommandProgram.h"
#include "table/PanelCheckTexts.h"
#include "table/PanelNames.h"
#include "table/SjisPath.h"

namespace panel {

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
  const std::string name = TableFileName(id);
  if (IsPanelIdentifier(id)) {
    if (target.SameFile(name, FileNameOfSjisPath(table.TablePath()))) return;  // this very panel, published now
    if (target.FileExists(target.HostFolder() + "\\" + name)) return;
    if (target.FileExists(target.WorkFolder() + "\\" + name)) {
      findings.Cell(ordinal, Fill(kSwitchTargetUnpublished, {name}));
      return;
    }
  }
  findings.Cell(ordinal, Fill(kSwitchTargetMissing, {name}));
}

void CheckInfrared(Findings& findings, int ordinal, const CButtonInfo& cell) {
  if (cell.GetMemo().size() > kHostMaxMemo) {
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

void CheckExternalProgram(Findings& findings, int ordinal, const CButtonInfo& cell, const IPublishTarget& target) {
  const std::string& command = cell.GetCommandText();
  // A bare name is found by the system's search when the host runs the line.
  const CommandProgram program =
      ResolveProgram(command, [&](const std::string& path) { return target.FileExists(path); });
  if (program.program.empty()) {
    findings.Cell(ordinal, kNoProgram);
  } else if (program.fullPath && !program.found) {
    findings.Cell(ordinal, Fill(kProgramNotFound, {program.program}));
  }
  if (command.size() > kHostMaxCommandLine) {
    findings.Cell(ordinal, Fill(kCommandTooLong, {Number(static_cast<std::int64_t>(command.size()))}));
  }
}

bool Fits(std::int64_t actual, std::int64_t expected) { return std::llabs(actual - expected) <= 1; }

}  // namespace

namespace {

std::vector<PanelFinding> CheckPanel(const CPanelTable& table, PictureSize picture, const IPublishTarget& target) {
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

}  // namespace

std::vector<PanelFinding> CheckPanelForPublishing(const CPanelTable& table, PictureSize picture,
                                                  const IPublishTarget& target) {
  try {
    return CheckPanel(table, picture, target);
  } catch (const std::exception&) {
    // The work folder is saved by now: the user decides, told that the check is incomplete.
    return {{-1, kCheckIncomplete}};
  }
}

}  // namespace panel
