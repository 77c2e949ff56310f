// The edit window's keys: everything the mouse does, for people who cannot use
// one well. The mouse behaviour stays as it is.
#include "editor/CellCommandMenu.h"
#include "editor/PanelEditFm.h"
#include "table/PanelEdits.h"
#include "winui/AppMessages.h"
#include "winui/TextConv.h"

using namespace panel;

namespace {

POINT CellCentreOnScreen(HWND window, const PixelRect& cell, int scrollX, int scrollY) {
  POINT p{(cell.left + cell.right) / 2 - scrollX, (cell.top + cell.bottom) / 2 - scrollY};
  ClientToScreen(window, &p);
  return p;
}

}  // namespace

// The framed cell; with none framed, the first key frames the last one the
// pointer was on (or the first cell) so the user sees what it acts on.
GridCell TPanelEditFm::KeyCell() {
  const GridCell cell = hover_.value_or(GridCell{0, 0});
  if (!framed_ || !hover_) {
    ScrollIntoView(cell);
    MoveFrameTo(cell);
  }
  return cell;
}

bool TPanelEditFm::OnKey(UINT key, LPARAM modifiers) {
  if (!table_ || panelImage_.Empty()) return false;
  const bool shift = modifiers & winui::kKeyShift;
  const bool control = modifiers & winui::kKeyControl;
  if (modifiers & winui::kKeyAlt) return false;  // mnemonics and the system menu
  switch (key) {
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN: {
      if (control || shift) return false;
      const bool wasFramed = framed_ && hover_;
      GridCell cell = KeyCell();
      if (wasFramed) {
        cell = Grid().Step(cell, key == VK_LEFT ? -1 : key == VK_RIGHT ? 1 : 0,
                           key == VK_UP ? -1 : key == VK_DOWN ? 1 : 0);
        ScrollIntoView(cell);
        MoveFrameTo(cell);
      }
      // Back on the panel: Enter now means the framed cell, not a bar button.
      SetFocus(Handle());
      return true;
    }
    case VK_RETURN:
      // On a bar button Enter is that button's.
      if (control || shift || GetFocus() != Handle()) return false;
      EditCell(KeyCell());
      return true;
    case VK_F10:
      if (control) return false;
      if (shift) {
        const GridCell cell = KeyCell();
        StampText(cell);
        MoveFrameTo(cell);
      } else {
        ShowCellMenu(KeyCell());
      }
      return true;
    case VK_APPS: {
      const GridCell cell = KeyCell();
      StampText(cell);
      MoveFrameTo(cell);
      return true;
    }
    case VK_F5:
      if (control || shift) return false;
      CheckButtonClick();
      return true;
    case 'S':
      if (!control || shift) return false;
      SaveButtonClick();
      return true;
    case 'C':
      if (!control) return false;
      shift ? CopyFace(KeyCell()) : CopyCell(KeyCell());
      return true;
    case 'V':
      if (!control) return false;
      shift ? PasteFace(KeyCell()) : PasteCell(KeyCell());
      return true;
    case VK_F2:
      if (control) return false;
      shift ? EditBackground() : EditFace(KeyCell());
      return true;
    case 'Z':
      if (!control) return false;
      shift ? RedoEdit() : UndoEdit();
      return true;
    case 'Y':
      if (!control || shift) return false;
      RedoEdit();
      return true;
    // The picture at double size and back, as other programs zoom (Shift
    // allowed: on a Japanese keyboard + is a shifted key).
    case VK_ADD:
    case VK_OEM_PLUS:
    case VK_SUBTRACT:
    case VK_OEM_MINUS:
      if (!control) return false;
      SetZoom(key == VK_ADD || key == VK_OEM_PLUS ? zoom_ + 1 : zoom_ - 1);
      return true;
    default:
      return false;
  }
}

void TPanelEditFm::CopyCell(GridCell cell) {
  if (Clipboard) Clipboard->Copy(table_->Cell(Grid().Ordinal(cell)));
}

void TPanelEditFm::PasteCell(GridCell cell) {
  if (!Clipboard) return;
  const int ordinal = Grid().Ordinal(cell);
  CButtonInfo before = table_->Cell(ordinal);
  if (PasteCellCommand(Handle(), *Clipboard, *table_, ordinal)) {
    RecordEdit(std::make_unique<CellEdit>(ordinal, std::move(before), table_->Cell(ordinal)));
  }
  UpdateStatus();
}

void TPanelEditFm::ShowCellMenu(GridCell cell) {
  const POINT at = CellCentreOnScreen(Handle(), Grid().CellRect(cell), scrollX_, scrollY_);
  const UndoRedoWords history{winui::SjisToWide(history_.UndoDescription()), winui::SjisToWide(history_.RedoDescription())};
  switch (ShowCellCommandMenu(Handle(), at, Clipboard && Clipboard->HasCommand(), history, faces_.copied.has_value())) {
    case CellMenuChoice::Copy:
      CopyCell(cell);
      break;
    case CellMenuChoice::Paste:
      PasteCell(cell);
      break;
    case CellMenuChoice::Undo:
      UndoEdit();
      break;
    case CellMenuChoice::Redo:
      RedoEdit();
      break;
    case CellMenuChoice::EditFace:
      EditFace(cell);
      break;
    case CellMenuChoice::CopyFace:
      CopyFace(cell);
      break;
    case CellMenuChoice::PasteFace:
      PasteFace(cell);
      break;
    case CellMenuChoice::Background:
      EditBackground();
      break;
    case CellMenuChoice::None:
      break;
  }
}
