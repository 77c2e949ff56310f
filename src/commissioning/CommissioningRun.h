#pragma once
// The commissioning run: every button that has a command, in cell order, tried
// the way the host program would run it, each followed by the user's answer.
// Which step for which cell, and what was answered, live here; the windows
// only execute, ask and show.
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "table/PanelTable.h"

namespace commissioning {

enum class StepAction {
  RelayPulse,       // one byte; the unit times the second itself
  RelayToggle,      // one byte before the question, the same after it: the relay ends as it began
  RelayHold,        // on before the question, off after it, as the next click would do
  SendInfrared,     // the learned codes in order, with the cell's send flag
  CheckPanelTable,  // the target table looked for in the work and host folders
  CheckProgram,     // the program's file looked for, never run
  NoteOnly,         // close, or a command that cannot be tried: only noted
};

struct Step {
  int ordinal = 0;
  int row = 0;  // from 0
  int column = 0;
  StepAction action = StepAction::NoteOnly;
  std::string words;  // the command in plain words
  std::vector<unsigned char> bytesBefore;  // relay bytes sent before the question
  std::vector<unsigned char> bytesAfter;   // and after the answer, whatever it was
  std::vector<std::string> codeTexts;      // learned codes in order
  bool holdUntilStopped = false;           // the single code repeats until stopped
  bool waitForNext = false;                // a prompt between codes
  std::string fileName;     // panel switch: "機器操作B.tbl"
  std::string commandLine;  // external program: its line, whose program is looked for (table/CommandProgram.h)
};

std::vector<Step> PlanSteps(const panel::CPanelTable& table);

enum class Outcome { NotTried, Worked, DidNotWork, Skipped };

struct StepRecord {
  Outcome outcome = Outcome::NotTried;
  std::string finding;  // what the run itself saw (sent, file found, ...)
  std::string note;     // the user's
};

struct OutcomeCounts {
  int worked = 0;
  int didNotWork = 0;
  int skipped = 0;
  int notTried = 0;
};

// The steps with what happened at each; a stopped run keeps its answers and
// leaves the rest not tried.
class Record {
 public:
  explicit Record(std::vector<Step> steps) : steps_(std::move(steps)), records_(steps_.size()) {}

  const std::vector<Step>& Steps() const { return steps_; }
  const StepRecord& At(size_t step) const { return records_.at(step); }
  void SetFinding(size_t step, std::string finding) { records_.at(step).finding = std::move(finding); }
  void Answer(size_t step, Outcome outcome, std::string note);
  void Stop() { stopped_ = true; }
  bool Stopped() const { return stopped_; }
  OutcomeCounts Counts() const;

 private:
  std::vector<Step> steps_;
  std::vector<StepRecord> records_;
  bool stopped_ = false;
};

// Findings in plain words. `inHost` is absent when the host folder could not be had.
std::string TableFinding(bool inWork, std::optional<bool> inHost);
std::string ProgramFinding(bool found, std::string_view where);
std::string RelayFinding(bool sent, int relayPort, bool released);

}  // namespace commissioning
