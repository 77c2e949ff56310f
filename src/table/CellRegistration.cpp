#include "table/CellRegistration.h"

#include "devices/core/RelayCommand.h"

namespace panel {

LearnedRow SplitLearnedText(std::string_view text) {
  const std::size_t tab = text.find('\t');
  if (tab == std::string_view::npos) return LearnedRow{std::string(text), {}};
  std::size_t begin = tab;
  while (begin < text.size() && text[begin] == '\t') ++begin;
  // A leading tab is the separator after an empty memo: only that one is skipped.
  if (tab == 0) begin = 1;
  const std::size_t end = text.find('\t', begin);
  return LearnedRow{std::string(text.substr(0, tab)),
                    std::string(text.substr(begin, end == std::string_view::npos ? std::string_view::npos : end - begin))};
}

SendOptionsEnabled EnabledSendOptions(int rows, bool repeatTicked, bool stillStopTicked) {
  if (rows <= 0) return {};
  if (rows >= 2) return {false, false, true};
  if (stillStopTicked) return {false, true, false};
  if (repeatTicked) return {true, false, false};
  return {true, true, false};
}

InfraredSendFlag ChooseSendFlag(bool stillStop, bool repeat, bool nextEnabled, bool nextTicked) {
  InfraredSendFlag flag = InfraredSendFlag::Plain;
  if (stillStop) flag = InfraredSendFlag::HoldUntilStopped;
  if (repeat) flag = InfraredSendFlag::Repeatable;
  if (nextEnabled) flag = nextTicked ? InfraredSendFlag::WaitForNext : InfraredSendFlag::Plain;
  return flag;
}

LearnedVerdict CheckLearnedRows(int ordinal, const std::vector<LearnedRow>& rows) {
  if (!InfraredKeyForOrdinal(ordinal)) return {LearnedRefusal::kNoInfraredKey};
  if (rows.empty()) return {LearnedRefusal::kNoRows};
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (rows[i].code.size() < kMinLearnedCodeLength) return {LearnedRefusal::kUnlearned, static_cast<int>(i)};
  }
  if (rows.size() > static_cast<std::size_t>(CButtonInfo::kMaxCodeTexts)) return {LearnedRefusal::kTooManyRows};
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const std::string& memo = rows[i].memo;
    if (!memo.empty() && memo.front() == '\'') return {LearnedRefusal::kMemoApostrophe, static_cast<int>(i)};
    if (memo.find('\t') != std::string::npos) return {LearnedRefusal::kMemoTab, static_cast<int>(i)};
  }
  return {};
}

void WriteLearnedCodes(CButtonInfo& cell, InfraredSendFlag flag, std::string_view memo,
                       const std::vector<LearnedRow>& rows) {
  auto code = InfraredCode(cell.GetIndex(), flag);
  if (!code) return;
  cell.ReplaceCode(*code);
  cell.ClearTexts();
  cell.AddText("'" + std::string(memo));
  for (const LearnedRow& row : rows) cell.AddText(row.memo + '\t' + row.code);
}

bool ExternalProgramFits(const CPanelTable& table, int ordinal) {
  std::size_t others = 0;
  for (const CButtonInfo& cell : table.Cells()) {
    if (cell.GetIndex() != ordinal && cell.GetCode()[0] == 'R') ++others;
  }
  return others < EXTERNAL_ID_ALPHABET.size();
}

bool SameCommand(const CButtonInfo& before, const CButtonInfo& after) {
  CellCode code = before.GetCode();
  if (code[0] == 'R' && after.GetCode()[0] == 'R') code[1] = after.GetCode()[1];
  if (code != after.GetCode() || before.GetMemo() != after.GetMemo() || before.GetCount() != after.GetCount()) {
    return false;
  }
  for (int slot = 0; slot < CButtonInfo::kTextSlots; ++slot) {
    if (before.GetText(slot) != after.GetText(slot)) return false;
  }
  return true;
}

bool IsEnteredRelayNumber(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t+-");
  if (first == std::string_view::npos || text[first] < '0' || text[first] > '9') return false;
  return devices::IsValidRelayNumber(devices::ParseRelayNumber(text));
}

}  // namespace panel
