// The command dialog's controls, at the places of its design.
#include "editor/EditCommandFm.h"
#include "editor/EditCommandIds.h"
#include "table/PanelCheck.h"
#include "winui/Controls.h"

using namespace edit_command;

bool TEditCommandFm::CreateForm(HWND owner) {
  winui::FormSpec formSpec;
  formSpec.className = kClassName;
  formSpec.caption = L"コマンド登録";
  formSpec.clientWidth = 581;
  formSpec.clientHeight = 486;
  formSpec.style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
  formSpec.owner = owner;
  formSpec.placement = winui::FormPlacement::OwnerCenter;
  formSpec.fontPixels = 11;
  return Create(formSpec);
}

void TEditCommandFm::CreateControls() {
  using winui::Rect;
  HWND form = Handle();
  HFONT font = FontHandle();

  Command = winui::CreateComboBox(form, kCommand, Rect{32, 8, 145, 21}, font);
  TourokuButton = winui::CreateButton(form, kTourokuButton, L"登録", Rect{8, 153, 145, 41}, font);
  TyuusiButton = winui::CreateButton(form, kTyuusiButton, L"中止", Rect{8, 200, 145, 41}, font);

  GroupPanel = winui::CreateGroupBox(form, kGroupPanel, L"パネル切替オプション", Rect{183, 8, 300, 65}, font);
  Label1 = winui::CreateLabel(GroupPanel, L"テーブルファイル識別子", 16, 19, font);
  PanelName = winui::CreateEdit(GroupPanel, kPanelName, L"", Rect{113, 16, 25, 21}, font, 1, winui::ImeMode::Off);
  PanelFileName = winui::CreateLabel(GroupPanel, L"", 40, 38, font, kPanelFileName);

  GroupRelay = winui::CreateGroupBox(form, kGroupRelay, L"リレーオプション", Rect{183, 79, 378, 99}, font);
  Label2 = winui::CreateLabel(GroupRelay, L"リレー番号", 16, 20, font);
  // Two digits: relays are numbered 0 to 31 here, whatever letter the cell stores.
  RelayNumber = winui::CreateEdit(GroupRelay, kRelayNumber, L"", Rect{74, 16, 25, 21}, font, 2, winui::ImeMode::Off);
  RelayAction = winui::CreateGroupBox(GroupRelay, kRelayAction, L"動作選択", Rect{16, 43, 345, 44}, font);
  static constexpr const wchar_t* kActions[] = {L"１秒間ＯＮにする", L"On/Offの切替", L"クリックまでそのまま"};
  // Three columns over the inner width, as a radio group lays out its items.
  const int column = (345 - 16) / 3;
  for (int i = 0; i < 3; ++i) {
    RelayActionItems[static_cast<size_t>(i)] = winui::CreateRadioButton(
        RelayAction, kRelayActionFirst + i, kActions[i], Rect{8 + i * column, 18, column - 4, 17}, font, i == 0);
  }
  RelayTestButton = winui::CreateButton(GroupRelay, kRelayTestButton, L"テスト", Rect{256, 16, 75, 25}, font);

  GroupBuffalo = winui::CreateGroupBox(form, kGroupBuffalo, L"Ｂｕｆｆａｌｏ学習リモコンオプション",
                                       Rect{183, 35, 378, 249}, font);
  Label3 = winui::CreateLabel(GroupBuffalo, L"メモ", 16, 16, font);
  MemoEdit = winui::CreateEdit(GroupBuffalo, kMemoEdit, L"", Rect{51, 13, 308, 21}, font);
  RemoconBaseFrame.CreateList(GroupBuffalo, Rect{-1, 40, 358, 130}, font, kRemoconBaseFrame);
  Repeat = winui::CreateCheckBox(GroupBuffalo, kRepeat, L"繰り返せるように", Rect{3, 176, 97, 17}, font);
  StillStop = winui::CreateCheckBox(GroupBuffalo, kStillStop, L"停止まで押しっぱなし", Rect{113, 176, 130, 17}, font);
  NextButton = winui::CreateCheckBox(GroupBuffalo, kNextButton, L"次の送信を待つ", Rect{246, 176, 97, 17}, font);
  AddRemokon = winui::CreateButton(GroupBuffalo, kAddRemokon, L"リモコン学習追加", Rect{18, 221, 105, 25}, font);
  AllDelete = winui::CreateButton(GroupBuffalo, kAllDelete, L"全削除", Rect{129, 221, 75, 25}, font);
  TestRemocon = winui::CreateButton(GroupBuffalo, kTestRemocon, L"テスト", Rect{264, 221, 75, 25}, font);

  GroupGaibu = winui::CreateGroupBox(form, kGroupGaibu, L"外部プログラム実行", Rect{182, 320, 379, 57}, font);
  // Typing stops where the host stops reading; a longer line from a file stays as it is.
  GaibuCommand = winui::CreateEdit(GroupGaibu, kGaibuCommand, L"", Rect{24, 33, 352, 21}, font,
                                   static_cast<int>(kHostMaxCommandLine));

  winui::SetTabOrder({Command, GroupPanel, GroupRelay, GroupBuffalo, TourokuButton, TyuusiButton, GroupGaibu});
  winui::SetTabOrder({Label3, RemoconBaseFrame.Handle(), AddRemokon, TestRemocon, AllDelete, MemoEdit, Repeat,
                      NextButton, StillStop});
  for (HWND group : {GroupPanel, GroupRelay, GroupBuffalo, GroupGaibu}) ShowWindow(group, SW_HIDE);
}
