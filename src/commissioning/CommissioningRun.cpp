#include "commissioning/CommissioningRun.h"

#include "commissioning/CommissioningTexts.h"
#include "devices/core/RelayCommand.h"
#include "table/CommandWords.h"
#include "table/PanelNames.h"

using namespace panel;

namespace commissioning {
namespace {

void PlanRelay(const CellCode& code, Step& step) {
  const auto number = RelayCharToNumber(code[1]);
  if (!number) return;  // nothing the unit would understand: noted only
  switch (RelayActionFromChar(code[3])) {
    case RelayAction::OneSecondOn:
      step.action = StepAction::RelayPulse;
      step.bytesBefore = {devices::RelayCommandByte(*number, devices::kRelayPulse)};
      break;
    case RelayAction::Toggle:
      step.action = StepAction::RelayToggle;
      step.bytesBefore = {devices::RelayCommandByte(*number, devices::kRelayToggle)};
      step.bytesAfter = step.bytesBefore;
      break;
    case RelayAction::HoldUntilClick:
      step.action = StepAction::RelayHold;
      step.bytesBefore = {devices::RelayCommandByte(*number, devices::kRelayUntilClick)};
      step.bytesAfter = step.bytesBefore;
      break;
  }
}

void PlanInfrared(const CButtonInfo& cell, Step& step) {
  step.action = StepAction::SendInfrared;
  for (int k = 0; k < cell.GetCount(); ++k) {
    // A code text is the row name, a TAB and the code; the device gets the code.
    const std::string& text = cell.GetText(k);
    const size_t tab = text.find('\t');
    std::string code = tab == std::string::npos ? std::string() : text.substr(tab + 1);
    const size_t end = code.find('\t');
    if (end != std::string::npos) code.resize(end);
    step.codeTexts.push_back(code);
  }
  const char flag = cell.GetCode()[3];
  // The host repeats only a single code and waits between several, as the test button does.
  step.holdUntilStopped = flag == '-' && step.codeTexts.size() == 1;
  step.waitForNext = flag == 'N' && step.codeTexts.size() > 1;
}

}  // namespace

std::vector<Step> PlanSteps(const CPanelTable& table) {
  std::vector<Step> steps;
  for (const CButtonInfo& cell : table.Cells()) {
    const CellCode code = cell.GetCode();
    const CommandKind kind = KindOfCode(code);
    if (kind == CommandKind::None) continue;
    Step step;
    step.ordinal = cell.GetIndex();
    step.row = table.Columns() > 0 ? step.ordinal / table.Columns() : 0;
    step.column = table.Columns() > 0 ? step.ordinal % table.Columns() : 0;
    step.words = DescribeCommand(cell);
    switch (kind) {
      case CommandKind::Relay: PlanRelay(code, step); break;
      case CommandKind::InfraredSend: PlanInfrared(cell, step); break;
      case CommandKind::PanelSwitch:
        if (IsPanelIdentifier(code[1])) {
          step.action = StepAction::CheckPanelTable;
          step.fileName = TableFileName(code[1]);
        }
        break;
      case CommandKind::ExternalProgram:
        step.action = StepAction::CheckProgram;
        step.commandLine = cell.GetCommandText();
        break;
      default: break;
    }
    steps.push_back(std::move(step));
  }
  return steps;
}

void Record::Answer(size_t step, Outcome outcome, std::string note) {
  StepRecord& record = records_.at(step);
  record.outcome = outcome;
  record.note = std::move(note);
}

OutcomeCounts Record::Counts() const {
  OutcomeCounts counts;
  for (const StepRecord& record : records_) {
    switch (record.outcome) {
      case Outcome::Worked: ++counts.worked; break;
      case Outcome::DidNotWork: ++counts.didNotWork; break;
      case Outcome::Skipped: ++counts.skipped; break;
      case Outcome::NotTried: ++counts.notTried; break;
    }
  }
  return counts;
}

std::string TableFinding(bool inWork, std::optional<bool> inHost) {
  std::string finding = std::string(text::kInWorkFolder) + (inWork ? text::kTableFound : text::kTableMissing) + " / ";
  if (!inHost) return finding + text::kHostFolderUnknown;
  return finding + text::kInHostFolder + (*inHost ? text::kTableFound : text::kTableMissing);
}

std::string ProgramFinding(bool found, std::string_view where) {
  return std::string(found ? text::kProgramFound : text::kProgramMissing).append(where) + text::kProgramNotRun;
}

std::string RelayFinding(bool sent, int relayPort, bool released) {
  if (!sent) return text::kRelayNotSent + std::to_string(relayPort) + ")";
  std::string finding = text::kRelaySent + std::to_string(relayPort) + ")";
  return released ? finding + text::kRelayReleased : finding;
}

}  // namespace commissioning
