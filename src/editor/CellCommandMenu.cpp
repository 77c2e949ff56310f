#include "editor/CellCommandMenu.h"

#include "winui/MessageBox.h"

using namespace panel;

namespace {

constexpr UINT kCopyItem = 1;
constexpr UINT kPasteItem = 2;

struct MenuHandle {
  HMENU menu = CreatePopupMenu();
  ~MenuHandle() {
    if (menu) DestroyMenu(menu);
  }
};

}  // namespace

CellMenuChoice ShowCellCommandMenu(HWND owner, POINT screenPoint, bool canPaste) {
  MenuHandle handle;
  if (!handle.menu) return CellMenuChoice::None;
  AppendMenuW(handle.menu, MF_STRING, kCopyItem, L"コピー(&C)\tCtrl+C");
  AppendMenuW(handle.menu, MF_STRING | (canPaste ? 0 : MF_GRAYED), kPasteItem, L"貼り付け(&V)\tCtrl+V");
  // Without the owner in the foreground the menu would not close on a click elsewhere.
  SetForegroundWindow(owner);
  const UINT chosen = static_cast<UINT>(TrackPopupMenu(handle.menu, TPM_RETURNCMD | TPM_NONOTIFY | TPM_LEFTALIGN,
                                                       screenPoint.x, screenPoint.y, 0, owner, nullptr));
  if (chosen == kCopyItem) return CellMenuChoice::Copy;
  if (chosen == kPasteItem) return CellMenuChoice::Paste;
  return CellMenuChoice::None;
}

bool PasteCellCommand(HWND owner, const CommandClipboard& clipboard, CPanelTable& table, int ordinal) {
  const std::string refusal = clipboard.Paste(table, ordinal);
  if (refusal.empty()) return true;
  winui::ShowMessageSjis(owner, refusal, "警告", winui::MsgButtons::Ok);
  return false;
}
