#include "table/CommandWords.h"

#include <string_view>

#include "table/PanelNames.h"

namespace panel {

namespace {

// Spelt as bytes for the same reason as TableTexts.h; tests hold the readable forms.
constexpr std::string_view kNone = "\x82\xc8\x82\xb5";                       // "なし"
constexpr std::string_view kRelay = "\x83\x8a\x83\x8c\x81\x5b ";             // "リレー "
constexpr std::string_view kOneSecondOn = "1\x95\x62\x8a\xd4ON";             // "1秒間ON"
constexpr std::string_view kToggle = "ON/OFF\x90\xd8\x91\xd6";               // "ON/OFF切替"
constexpr std::string_view kHoldUntilClick =                                 // "クリックまでそのまま"
    "\x83\x4e\x83\x8a\x83\x62\x83\x4e\x82\xdc\x82\xc5\x82\xbb\x82\xcc\x82\xdc\x82\xdc";
constexpr std::string_view kBadNumber = "\x94\xd4\x8d\x86\x95\x73\x90\xb3";  // "番号不正"
constexpr std::string_view kLearned = "\x8a\x77\x8f\x4b\x83\x8a\x83\x82\x83\x52\x83\x93 ";  // "学習リモコン "
constexpr std::string_view kItems = "\x8c\x8f";                                              // "件"
constexpr std::string_view kRepeatable = " (\x8c\x4a\x82\xe8\x95\xd4\x82\xb5)";              // " (繰り返し)"
constexpr std::string_view kHoldUntilStopped =                                               // " (押しっぱなし)"
    " (\x89\x9f\x82\xb5\x82\xc1\x82\xcf\x82\xc8\x82\xb5)";
constexpr std::string_view kWaitForNext =                                                    // " (次の送信を待つ)"
    " (\x8e\x9f\x82\xcc\x91\x97\x90\x4d\x82\xf0\x91\xd2\x82\xc2)";
constexpr std::string_view kMemoOpen = " \x81\x75";  // " 「"
constexpr std::string_view kMemoClose = "\x81\x76";  // "」"
constexpr std::string_view kPanelSwitch = "\x83\x70\x83\x6c\x83\x8b\x90\xd8\x91\xd6: ";  // "パネル切替: "
constexpr std::string_view kExternal =  // "外部プログラム: "
    "\x8a\x4f\x95\x94\x83\x76\x83\x8d\x83\x4f\x83\x89\x83\x80: ";
constexpr std::string_view kClose = "\x95\xc2\x82\xb6\x82\xe9";                                // "閉じる"
constexpr std::string_view kUnknown = "\x95\x73\x96\xbe\x82\xc8\x83\x52\x81\x5b\x83\x68: ";  // "不明なコード: "

std::string Relay(const CellCode& code) {
  std::string words(kRelay);
  const auto number = RelayCharToNumber(code[1]);
  if (!number) return words.append(kBadNumber);
  words += std::to_string(*number) + ": ";
  switch (RelayActionFromChar(code[3])) {
    case RelayAction::Toggle: return words.append(kToggle);
    case RelayAction::HoldUntilClick: return words.append(kHoldUntilClick);
    case RelayAction::OneSecondOn: break;
  }
  return words.append(kOneSecondOn);
}

std::string Learned(const CButtonInfo& cell) {
  std::string words(kLearned);
  words += std::to_string(cell.GetCount());
  words.append(kItems);
  switch (cell.GetCode()[3]) {
    case '+': words.append(kRepeatable); break;
    case '-': words.append(kHoldUntilStopped); break;
    case 'N': words.append(kWaitForNext); break;
    default: break;
  }
  if (!cell.GetMemo().empty()) words.append(kMemoOpen).append(cell.GetMemo()).append(kMemoClose);
  return words;
}

// Only the printable ASCII of a code that no kind claims: its other bytes may
// be half a double-byte character and would swallow the text after them.
std::string PrintableCode(const CellCode& code) {
  std::string text;
  for (char c : code) text += (c >= 0x20 && c < 0x7f) ? c : '?';
  return text;
}

}  // namespace

std::string DescribeCommand(const CButtonInfo& cell) {
  const CellCode code = cell.GetCode();
  switch (KindOfCode(code)) {
    case CommandKind::None: return std::string(kNone);
    case CommandKind::Relay: return Relay(code);
    case CommandKind::InfraredSend: return Learned(cell);
    case CommandKind::PanelSwitch:
      return std::string(kPanelSwitch) + TableFileName(IsPanelIdentifier(code[1]) ? code[1] : '?');
    case CommandKind::ExternalProgram: return std::string(kExternal) + cell.GetCommandText();
    case CommandKind::Close: return std::string(kClose);
    case CommandKind::Unknown: break;
  }
  return std::string(kUnknown) + PrintableCode(code);
}

}  // namespace panel
