// Not a test: pictures of the command dialog with each option group and with
// a list long enough to scroll, for looking at (scripts/dialog-screenshots.sh).
//   editor_screenshots.exe <folder>   writes <folder>\<group>.bmp
#include <windows.h>

#include <string>

#include "ScreenShot.h"
#include "data/OptionMdl.h"
#include "editor/EditCommandFm.h"
#include "table/CommandCode.h"

using namespace panel;

namespace {

void Choose(TEditCommandFm& dialog, int kind) {
  SendMessageW(dialog.Command, CB_SETCURSEL, kind, 0);
  SendMessageW(dialog.Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(dialog.Command), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(dialog.Command));
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) return 2;
  const std::wstring folder = argv[1];
  TOptionMdl options;
  CPanelTable table;
  if (!table.CreateGrid(10, 10, 10, 20)) return 1;
  winui::Owned<TEditCommandFm> dialog(options);
  if (!dialog.CreateForm(nullptr)) return 1;
  dialog.SetPanelTable(table);
  dialog.LoadCell(table.Cell(3));
  SetWindowPos(dialog.Handle(), nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  ShowWindow(dialog.Handle(), SW_SHOW);
  bool ok = true;
  const std::pair<int, const wchar_t*> groups[] = {{1, L"relay"}, {2, L"learning"}, {3, L"panel"}, {4, L"external"}};
  for (const auto& [kind, name] : groups) {
    Choose(dialog, kind);
    ok = SaveScreenShot(dialog.Handle(), folder + L"\\" + name + L".bmp") && ok;
  }
  Choose(dialog, 2);
  for (char c : std::string("12345")) dialog.GroupLearned.RemoconBaseFrame.AddRow("    1.50,  120.25," + std::string(40, c));
  ok = SaveScreenShot(dialog.Handle(), folder + L"\\learning-scrolling.bmp") && ok;
  return ok ? 0 : 1;
}
