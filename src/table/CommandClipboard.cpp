#include "table/CommandClipboard.h"

#include <algorithm>
#include <string_view>

namespace panel {

namespace {

// "学習リモコンの命令は、番号が160以上のボタンには貼り付けられません。"
constexpr std::string_view kNoInfraredKey =
    "\x8a\x77\x8f\x4b\x83\x8a\x83\x82\x83\x52\x83\x93\x82\xcc\x96\xbd\x97\xdf\x82\xcd\x81\x41\x94\xd4\x8d\x86\x82"
    "\xaa" "160\x88\xc8\x8f\xe3\x82\xcc\x83\x7b\x83\x5e\x83\x93\x82\xc9\x82\xcd\x93\x5c\x82\xe8\x95\x74\x82\xaf"
    "\x82\xe7\x82\xea\x82\xdc\x82\xb9\x82\xf1\x81\x42";
// "外部プログラムの実行は1つのパネルに62個までです。これ以上は貼り付けられません。"
constexpr std::string_view kTooManyExternal =
    "\x8a\x4f\x95\x94\x83\x76\x83\x8d\x83\x4f\x83\x89\x83\x80\x82\xcc\x8e\xc0\x8d\x73\x82\xcd" "1\x82\xc2\x82\xcc"
    "\x83\x70\x83\x6c\x83\x8b\x82\xc9" "62\x8c\xc2\x82\xdc\x82\xc5\x82\xc5\x82\xb7\x81\x42\x82\xb1\x82\xea\x88\xc8"
    "\x8f\xe3\x82\xcd\x93\x5c\x82\xe8\x95\x74\x82\xaf\x82\xe7\x82\xea\x82\xdc\x82\xb9\x82\xf1\x81\x42";
// "コピーしたボタンがありません。"
constexpr std::string_view kNothingCopied =
    "\x83\x52\x83\x73\x81\x5b\x82\xb5\x82\xbd\x83\x7b\x83\x5e\x83\x93\x82\xaa\x82\xa0\x82\xe8\x82\xdc\x82\xb9\x82"
    "\xf1\x81\x42";

int ExternalProgramsBesides(const CPanelTable& table, int ordinal) {
  return static_cast<int>(std::count_if(table.Cells().begin(), table.Cells().end(), [&](const CButtonInfo& c) {
    return c.GetIndex() != ordinal && KindOfCode(c.GetCode()) == CommandKind::ExternalProgram;
  }));
}

}  // namespace

CopiedCommand CopyCommand(const CButtonInfo& cell) {
  CopiedCommand copied;
  copied.code = cell.GetCode();
  switch (KindOfCode(copied.code)) {
    case CommandKind::InfraredSend:
      copied.memo = cell.GetMemo();
      for (int k = 0; k < cell.GetCount(); ++k) copied.texts.push_back(cell.GetText(k));
      break;
    case CommandKind::ExternalProgram: copied.texts.push_back(cell.GetCommandText()); break;
    default: break;
  }
  return copied;
}

std::string PasteCommand(const CopiedCommand& command, CPanelTable& table, int ordinal) {
  CButtonInfo& cell = table.Cell(ordinal);
  switch (KindOfCode(command.code)) {
    case CommandKind::InfraredSend: {
      const auto key = InfraredKeyForOrdinal(ordinal);
      if (!key) return std::string(kNoInfraredKey);
      cell.ReplaceCode({(*key)[0], (*key)[1], command.code[2], command.code[3]});
      cell.ClearTexts();
      cell.AddText("'" + command.memo);
      for (const auto& text : command.texts) cell.AddText(text);
      return {};
    }
    case CommandKind::ExternalProgram:
      if (ExternalProgramsBesides(table, ordinal) >= static_cast<int>(EXTERNAL_ID_ALPHABET.size()))
        return std::string(kTooManyExternal);
      cell.ReplaceCode(ExternalProgramCode());
      cell.ClearTexts();
      // Set, not added: a command line beginning with an apostrophe would
      // otherwise be taken for a memo and lost.
      cell.SetCommandText(command.texts.empty() ? std::string() : command.texts.front());
      return {};
    default:
      // The old texts would only be dead weight under a kind that has none.
      cell.ReplaceCode(command.code);
      cell.ClearTexts();
      return {};
  }
}

std::string CommandClipboard::Paste(CPanelTable& table, int ordinal) const {
  if (!copied_) return std::string(kNothingCopied);
  return PasteCommand(*copied_, table, ordinal);
}

}  // namespace panel
