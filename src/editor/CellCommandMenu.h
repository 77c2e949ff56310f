#pragma once
// Copy and paste of a button's command from the edit window: the small menu
// (keyboard: arrows, C, V, Enter, Esc) with undo and redo, and the paste with
// its refusals shown. The menu also opens the button's face, copies and pastes
// faces, and sets the panel's background.
#include <windows.h>

#include <string>

#include "table/CommandClipboard.h"
#include "table/PanelTable.h"

enum class CellMenuChoice { None, Copy, Paste, Undo, Redo, EditFace, CopyFace, PasteFace, Background };

// What undo and redo would take back or make again ("ボタン5の命令"); "" for nothing.
struct UndoRedoWords {
  std::wstring undo;
  std::wstring redo;
};

// A popup menu at `screenPoint`: "コピー(&C)  Ctrl+C" and "貼り付け(&V)  Ctrl+V",
// the second greyed while nothing has been copied; then "元に戻す：ボタン5の命令
// Ctrl+Z" and "やり直す：…  Ctrl+Y", each greyed with nothing to do; then the
// face items, the face paste greyed while no face has been copied.
CellMenuChoice ShowCellCommandMenu(HWND owner, POINT screenPoint, bool canPaste, const UndoRedoWords& history,
                                   bool canPasteFace = false);

// Pastes into cell `ordinal`; a paste the table cannot hold is refused in a
// "警告" box. True when the cell changed, which counts as unsaved work.
bool PasteCellCommand(HWND owner, const panel::CommandClipboard& clipboard, panel::CPanelTable& table, int ordinal);
