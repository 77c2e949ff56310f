#include "editor/CellCommandMenu.h"

#include "winui/MessageBox.h"

using namespace panel;

namespace {

constexpr UINT kCopyItem = 1;
constexpr UINT kPasteItem = 2;
constexpr UINT kUndoItem = 3;
constexpr UINT kRedoItem = 4;
constexpr UINT kFaceItem = 5;
constexpr UINT kCopyFaceItem = 6;
constexpr UINT kPasteFaceItem = 7;
constexpr UINT kBackgroundItem = 8;

void AppendHistoryItem(HMENU menu, UINT id, const wchar_t* verb, const std::wstring& what, const wchar_t* key) {
  const std::wstring text = what.empty() ? verb + std::wstring(L"\t") + key : verb + (L"：" + what) + L"\t" + key;
  AppendMenuW(menu, MF_STRING | (what.empty() ? MF_GRAYED : 0), id, text.c_str());
}

struct MenuHandle {
  HMENU menu = CreatePopupMenu();
  ~MenuHandle() {
    if (menu) DestroyMenu(menu);
  }
};

}  // namespace

CellMenuChoice ShowCellCommandMenu(HWND owner, POINT screenPoint, bool canPaste, const UndoRedoWords& history,
                                   bool canPasteFace) {
  MenuHandle handle;
  if (!handle.menu) return CellMenuChoice::None;
  AppendMenuW(handle.menu, MF_STRING, kCopyItem, L"コピー(&C)\tCtrl+C");
  AppendMenuW(handle.menu, MF_STRING | (canPaste ? 0 : MF_GRAYED), kPasteItem, L"貼り付け(&V)\tCtrl+V");
  AppendMenuW(handle.menu, MF_SEPARATOR, 0, nullptr);
  AppendHistoryItem(handle.menu, kUndoItem, L"元に戻す", history.undo, L"Ctrl+Z");
  AppendHistoryItem(handle.menu, kRedoItem, L"やり直す", history.redo, L"Ctrl+Y");
  AppendMenuW(handle.menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(handle.menu, MF_STRING, kFaceItem, L"ボタンの見た目(&F)...\tF2");
  AppendMenuW(handle.menu, MF_STRING, kCopyFaceItem, L"見た目のコピー(&L)\tCtrl+Shift+C");
  AppendMenuW(handle.menu, MF_STRING | (canPasteFace ? 0 : MF_GRAYED), kPasteFaceItem,
              L"見た目の貼り付け(&M)\tCtrl+Shift+V");
  AppendMenuW(handle.menu, MF_STRING, kBackgroundItem, L"パネルの背景(&B)...\tShift+F2");
  // Without the owner in the foreground the menu would not close on a click elsewhere.
  SetForegroundWindow(owner);
  const UINT chosen = static_cast<UINT>(TrackPopupMenu(handle.menu, TPM_RETURNCMD | TPM_NONOTIFY | TPM_LEFTALIGN,
                                                       screenPoint.x, screenPoint.y, 0, owner, nullptr));
  if (chosen == kCopyItem) return CellMenuChoice::Copy;
  if (chosen == kPasteItem) return CellMenuChoice::Paste;
  if (chosen == kUndoItem) return CellMenuChoice::Undo;
  if (chosen == kRedoItem) return CellMenuChoice::Redo;
  if (chosen == kFaceItem) return CellMenuChoice::EditFace;
  if (chosen == kCopyFaceItem) return CellMenuChoice::CopyFace;
  if (chosen == kPasteFaceItem) return CellMenuChoice::PasteFace;
  if (chosen == kBackgroundItem) return CellMenuChoice::Background;
  return CellMenuChoice::None;
}

bool PasteCellCommand(HWND owner, const CommandClipboard& clipboard, CPanelTable& table, int ordinal) {
  const std::string refusal = clipboard.Paste(table, ordinal);
  if (refusal.empty()) return true;
  winui::ShowMessageSjis(owner, refusal, "警告", winui::MsgButtons::Ok);
  return false;
}
