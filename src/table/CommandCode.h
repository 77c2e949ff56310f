#pragma once
// The four-character command code of a panel cell. The host program reads
// these codes from the table file, so every character here is a contract.
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace panel {

using CellCode = std::array<char, 4>;

// Identifiers given to external-program cells, in row-major order, at each save.
inline constexpr std::string_view EXTERNAL_ID_ALPHABET =
    "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

// Infrared keys are "%02X" of the ordinal and must begin with a decimal digit.
inline constexpr int kInfraredOrdinalLimit = 160;
inline constexpr int kMaxRelayNumber = 31;

enum class CommandKind { None, Relay, InfraredSend, PanelSwitch, ExternalProgram, Close, Unknown };

enum class RelayAction : char {
  OneSecondOn = '&',     // "１秒間ＯＮにする"
  Toggle = ' ',          // "On/Offの切替"
  HoldUntilClick = '-',  // "クリックまでそのまま"
};

enum class InfraredSendFlag : char {
  Plain = ' ',
  HoldUntilStopped = '-',  // "停止まで押しっぱなし"
  Repeatable = '+',        // "繰り返せるように"
  WaitForNext = 'N',       // "次の送信を待つ"
};

// Four bytes from `text`, blank-padded when it is shorter.
CellCode MakeCellCode(std::string_view text);
std::string CodeText(const CellCode& code);

CommandKind KindOfCode(const CellCode& code);
bool IsInfraredLead(char c);  // '0'-'9'
bool IsPanelIdentifier(char c);

std::optional<char> RelayNumberToChar(int relay);
std::optional<int> RelayCharToNumber(char c);
// Any character other than the three known ones reads back as one-second-on.
RelayAction RelayActionFromChar(char c);

// "%02X" of the ordinal, or nothing when the ordinal has no infrared key.
std::optional<std::string> InfraredKeyForOrdinal(int ordinal);
std::optional<char> ExternalIdForPosition(int position);

CellCode NoneCode();
CellCode CloseCode();
CellCode ExternalProgramCode();  // identifier blank until the next save
std::optional<CellCode> RelayCode(int relay, RelayAction action);
std::optional<CellCode> InfraredCode(int ordinal, InfraredSendFlag flag);
std::optional<CellCode> PanelSwitchCode(char panelIdentifier);

}  // namespace panel
