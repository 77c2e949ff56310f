#include "table/CommandCode.h"

#include <cstdio>

namespace panel {

CellCode MakeCellCode(std::string_view text) {
  CellCode code{' ', ' ', ' ', ' '};
  for (size_t i = 0; i < code.size() && i < text.size(); ++i) code[i] = text[i];
  return code;
}

std::string CodeText(const CellCode& code) { return std::string(code.data(), code.size()); }

bool IsInfraredLead(char c) { return c >= '0' && c <= '9'; }

bool IsPanelIdentifier(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

CommandKind KindOfCode(const CellCode& code) {
  if (IsInfraredLead(code[0])) return CommandKind::InfraredSend;
  switch (code[0]) {
    case 'X': return CommandKind::Relay;
    case 'G': return CommandKind::PanelSwitch;
    case 'R': return CommandKind::ExternalProgram;
    case 'Q': return CommandKind::Close;
    case ' ': return code[1] == ' ' ? CommandKind::None : CommandKind::Unknown;
    default: return CommandKind::Unknown;
  }
}

std::optional<char> RelayNumberToChar(int relay) {
  if (relay < 0 || relay > kMaxRelayNumber) return std::nullopt;
  return relay < 10 ? static_cast<char>('0' + relay) : static_cast<char>('A' + relay - 10);
}

std::optional<int> RelayCharToNumber(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'A' + kMaxRelayNumber - 10) return c - 'A' + 10;
  return std::nullopt;
}

RelayAction RelayActionFromChar(char c) {
  if (c == ' ') return RelayAction::Toggle;
  if (c == '-') return RelayAction::HoldUntilClick;
  return RelayAction::OneSecondOn;
}

std::optional<std::string> InfraredKeyForOrdinal(int ordinal) {
  if (ordinal < 0 || ordinal >= kInfraredOrdinalLimit) return std::nullopt;
  char key[3];
  std::snprintf(key, sizeof key, "%02X", static_cast<unsigned>(ordinal));
  return std::string(key, 2);
}

std::optional<char> ExternalIdForPosition(int position) {
  if (position < 0 || position >= static_cast<int>(EXTERNAL_ID_ALPHABET.size())) return std::nullopt;
  return EXTERNAL_ID_ALPHABET[static_cast<size_t>(position)];
}

CellCode NoneCode() { return {' ', ' ', ' ', ' '}; }
CellCode CloseCode() { return {'Q', ' ', ' ', ' '}; }
CellCode ExternalProgramCode() { return {'R', ' ', ' ', ' '}; }

std::optional<CellCode> RelayCode(int relay, RelayAction action) {
  auto c = RelayNumberToChar(relay);
  if (!c) return std::nullopt;
  return CellCode{'X', *c, ' ', static_cast<char>(action)};
}

std::optional<CellCode> InfraredCode(int ordinal, InfraredSendFlag flag) {
  auto key = InfraredKeyForOrdinal(ordinal);
  if (!key) return std::nullopt;
  return CellCode{(*key)[0], (*key)[1], ' ', static_cast<char>(flag)};
}

std::optional<CellCode> PanelSwitchCode(char panelIdentifier) {
  if (!IsPanelIdentifier(panelIdentifier)) return std::nullopt;
  return CellCode{'G', panelIdentifier, ' ', ' '};
}

}  // namespace panel
