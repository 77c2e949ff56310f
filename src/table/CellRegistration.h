#pragma once
// The rules of the command dialog that need no window: how a stored infrared
// text splits into a list row, which sending options apply, the send flag,
// what registration refuses and what it writes into the cell.
#include <string>
#include <string_view>
#include <vector>

#include "table/ButtonInfo.h"
#include "table/CommandCode.h"
#include "table/PanelTable.h"

namespace panel {

// One row of the learned-code list: its own memo and its code text.
struct LearnedRow {
  std::string memo;
  std::string code;
};

// A stored text "memo<TAB>code": a leading tab gives an empty memo; tabs right
// after the first are skipped; the code ends at the next tab; no tab at all
// gives the whole text as the memo and an empty code.
LearnedRow SplitLearnedText(std::string_view text);

struct SendOptionsEnabled {
  bool repeat = false;
  bool stillStop = false;
  bool nextButton = false;
};
// With one code the two single-code options exclude each other; with several
// only "wait for the next send" applies; with none, nothing.
SendOptionsEnabled EnabledSendOptions(int rows, bool repeatTicked, bool stillStopTicked);

// Each later option overrides the earlier; an enabled NextButton decides alone.
InfraredSendFlag ChooseSendFlag(bool stillStop, bool repeat, bool nextEnabled, bool nextTicked);

// A learned code text is at least this long; shorter means never learned.
inline constexpr std::size_t kMinLearnedCodeLength = 50;

enum class LearnedRefusal {
  kNone,
  kNoInfraredKey,   // the cell's ordinal has no infrared key (160 and over)
  kNoRows,
  kUnlearned,       // row: a code text too short to be a learned code
  kTooManyRows,     // more rows than a cell stores
  kMemoApostrophe,  // row: its memo would be read back as the cell's memo
  kMemoTab,         // row: its memo would split the stored text in the wrong place
};

struct LearnedVerdict {
  LearnedRefusal refusal = LearnedRefusal::kNone;
  int row = -1;  // 0-based, for the refusals that name a row
};

// Checks in this order: key, no rows, unlearned rows, too many rows, row memos.
LearnedVerdict CheckLearnedRows(int ordinal, const std::vector<LearnedRow>& rows);

// Writes an infrared command that CheckLearnedRows has accepted: code, then the
// memo, then one text per row in order.
void WriteLearnedCodes(CButtonInfo& cell, InfraredSendFlag flag, std::string_view memo,
                       const std::vector<LearnedRow>& rows);

// Whether the cell at `ordinal` may become an external-program cell: the table
// file numbers at most EXTERNAL_ID_ALPHABET.size() of them.
bool ExternalProgramFits(const CPanelTable& table, int ordinal);

// Whether a registration left the cell as it was: the same code, memo and
// texts. An external program's number is given anew at every save, so it
// does not count.
bool SameCommand(const CButtonInfo& before, const CButtonInfo& after);

// A relay number the user has entered: digits (after blanks and a sign) that
// read as 0 to 31. A stored relay character that is no relay leaves the field
// empty, and nothing is tested or registered until there is such a number.
bool IsEnteredRelayNumber(std::string_view text);

}  // namespace panel
