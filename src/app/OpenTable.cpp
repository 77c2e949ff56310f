#include "app/OpenTable.h"

#include <stdexcept>

#include "data/DataFolders.h"
#include "data/PanelFiles.h"
#include "data/PanelRecovery.h"
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

namespace {

// Marked unsaved: the restored work is in no file yet.
void EditRecoveredWork(HWND owner, TOptionMdl& options, RecoveredWork& work) {
  winui::Owned<TPanelEditFm> editor(options);
  if (!editor.CreateForm(owner)) return;
  editor.LoadPanel(work.table, std::move(work.picture));
  editor.ContinueRecovered(work.copyFolder);
  winui::ShowModal(editor, owner);
}

}  // namespace

void OfferRecoveryAtStart(HWND owner, TOptionMdl& options) {
  // Quiet: the main window has told about a missing documents folder already.
  const std::optional<std::wstring> documents = ShellDocumentsFolder(owner);
  const std::optional<std::string> work =
      documents ? winui::WideToSjis(*documents + kWorkFolderTail) : std::optional<std::string>();
  if (!work) return;
  for (const std::string& table : TablesWithRecoveryCopies(owner, *work)) {
    if (std::optional<RecoveredWork> recovered = OfferRecovery(owner, table)) EditRecoveredWork(owner, options, *recovered);
  }
}

void OpenTableFile(HWND owner, TOptionMdl& options, const std::string& tablePathSjis, RecoveryOffer offer) {
  if (!winui::FileExistsSjis(tablePathSjis)) {
    winui::ShowWarning(owner, L"指定されたファイルがありません");
    return;
  }
  if (offer == RecoveryOffer::Ask) {
    if (std::optional<RecoveredWork> recovered = OfferRecovery(owner, tablePathSjis)) {
      EditRecoveredWork(owner, options, *recovered);
      return;
    }
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
