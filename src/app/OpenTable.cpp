#include "app/OpenTable.h"

#include <stdexcept>

#include "data/PanelFiles.h"
#include "editor/PanelEditFm.h"
#include "table/NewPanel.h"
#include "table/TableFileReader.h"
#include "winui/MessageBox.h"
#include "winui/PathNames.h"
#include "winui/TextConv.h"

using namespace panel;

std::optional<char> TableIdentifierOf(const std::wstring& typed) {
  const std::optional<std::string> sjis = winui::WideToSjis(typed);
  if (typed.size() != 1 || !sjis || !IsTableIdentifier(*sjis)) return std::nullopt;
  return (*sjis)[0];
}

TOptionMdl& DataModuleOf(TOptionMdl* options) {
  if (!options) throw std::logic_error("the data module was not passed in");
  return *options;
}

void OpenTableFile(HWND owner, TOptionMdl& options, const std::string& tablePathSjis) {
  if (!winui::FileExistsSjis(tablePathSjis)) {
    winui::ShowWarning(owner, L"指定されたファイルがありません");
    return;
  }
  CPanelTable table;
  MessageBoxAsk ask(owner);
  std::string failure = ReadTableFile(table, tablePathSjis, ask);
  // The picture is loaded once, by the check, and handed on to the editor.
  winui::Picture picture;
  if (failure.empty()) failure = CheckTableBitmap(table, owner, &picture);
  if (!failure.empty()) {
    winui::ShowMessageSjis(owner, failure, "Error", winui::MsgButtons::Ok);
    return;
  }
  winui::Owned<TPanelEditFm> editor(options);
  if (!editor.CreateForm(owner)) return;
  editor.LoadPanel(table, std::move(picture));
  winui::ShowModal(editor, owner);
}
