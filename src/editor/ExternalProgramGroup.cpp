#include "editor/ExternalProgramGroup.h"

#include "table/CellRegistration.h"
#include "table/CommandCode.h"
#include "table/PanelCheck.h"
#include "winui/Controls.h"
#include "winui/MessageBox.h"

using namespace panel;

namespace edit_command {

namespace {

enum : int { kBox = kExternalIds, kGaibuCommand };

}  // namespace

void ExternalProgramGroup::Create(HWND form, HFONT font) {
  using winui::Rect;
  form_ = form;
  box_ = winui::CreateGroupBox(form, kBox, L"外部プログラム実行", Rect{182, 320, 379, 57}, font);
  // Typing stops where the host stops reading; a longer line from a file stays as it is.
  GaibuCommand = winui::CreateEdit(box_, kGaibuCommand, L"", Rect{24, 33, 352, 21}, font,
                                   static_cast<int>(kHostMaxCommandLine));
}

void ExternalProgramGroup::Load(const CButtonInfo& cell) { gaibuCommand_.Set(GaibuCommand, cell.GetCommandText()); }

void ExternalProgramGroup::Reset() { gaibuCommand_.Set(GaibuCommand, ""); }

bool ExternalProgramGroup::Register(CButtonInfo& cell) {
  const auto command = gaibuCommand_.Read(GaibuCommand);
  if (!command) {
    winui::ShowWarning(form_, L"コマンドラインに使えない文字が含まれています。");
    return false;
  }
  // Counted in bytes, as the table stores it: one double-byte character is enough.
  if (command->size() < 2) return false;
  // The cell would take it as a memo and hold no command line at all.
  if (command->front() == '\'') {
    winui::ShowWarning(form_, L"コマンドラインの先頭に ' は使えません。");
    return false;
  }
  // The table file numbers external programs with one character each.
  if (table_ && !ExternalProgramFits(*table_, cell.GetIndex())) {
    winui::ShowWarning(form_, L"外部プログラムの実行は１つのパネルに６２個までしか登録できません。");
    return false;
  }
  cell.ReplaceCode(ExternalProgramCode());
  cell.ClearTexts();
  cell.AddText(*command);
  return true;
}

}  // namespace edit_command
