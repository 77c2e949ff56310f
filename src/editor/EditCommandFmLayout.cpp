// The command dialog's own controls, at the places of its design; each option
// group places its own.
#include "editor/EditCommandFm.h"
#include "editor/EditCommandIds.h"
#include "winui/Controls.h"

using namespace edit_command;

bool TEditCommandFm::CreateForm(HWND owner) {
  winui::FormDescription description = winui::DialogDescription(kClassName, L"コマンド登録", 581, 486, owner);
  description.style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
  description.fontPixels = 11;
  return Create(description);
}

void TEditCommandFm::CreateControls() {
  using winui::Rect;
  HWND form = Handle();
  HFONT font = FontHandle();
  Command = winui::CreateComboBox(form, kCommand, Rect{32, 8, 145, 21}, font);
  TourokuButton = winui::CreateButton(form, kTourokuButton, L"登録", Rect{8, 153, 145, 41}, font);
  TyuusiButton = winui::CreateButton(form, kTyuusiButton, L"中止", Rect{8, 200, 145, 41}, font);
  for (OptionGroup* group : groups_) {
    group->Create(form, font);
    ShowWindow(group->Box(), SW_HIDE);
  }
  winui::SetTabOrder(
      {Command, GroupPanel.Box(), GroupRelay.Box(), GroupLearned.Box(), TourokuButton, TyuusiButton, GroupGaibu.Box()});
}
