#include "editor/RelayGroup.h"

#include "data/OptionMdl.h"
#include "devices/core/RelayCommand.h"
#include "devices/win/RelaySend.h"
#include "table/CellRegistration.h"
#include "table/CommandCode.h"
#include "winui/Controls.h"
#include "winui/MessageBox.h"
#include "winui/TextConv.h"

using namespace panel;

namespace edit_command {

namespace {

enum : int { kBox = kRelayIds, kRelayNumber, kRelayAction, kRelayTestButton, kRelayActionFirst };

// The relay number as the relay test reads it: ASCII digits only, anything
// else ends the number.
std::string NumberText(const std::wstring& text) {
  std::string narrow;
  for (wchar_t c : text) {
    if (c >= 0x80) break;
    narrow.push_back(static_cast<char>(c));
  }
  return narrow;
}

}  // namespace

void RelayGroup::Create(HWND form, HFONT font) {
  using winui::Rect;
  form_ = form;
  box_ = winui::CreateGroupBox(form, kBox, L"リレーオプション", Rect{183, 79, 378, 99}, font);
  Label2 = winui::CreateLabel(box_, L"リレー番号", 16, 20, font);
  // Two digits: relays are numbered 0 to 31 here, whatever letter the cell stores.
  RelayNumber = winui::CreateEdit(box_, kRelayNumber, L"", Rect{74, 16, 25, 21}, font, 2, winui::ImeMode::Off);
  RelayAction = winui::CreateGroupBox(box_, kRelayAction, L"動作選択", Rect{16, 43, 345, 44}, font);
  static constexpr const wchar_t* kActions[] = {L"１秒間ＯＮにする", L"On/Offの切替", L"クリックまでそのまま"};
  // Three columns over the inner width, as a radio group lays out its items.
  const int column = (345 - 16) / 3;
  for (int i = 0; i < 3; ++i) {
    RelayActionItems[static_cast<size_t>(i)] = winui::CreateRadioButton(
        RelayAction, kRelayActionFirst + i, kActions[i], Rect{8 + i * column, 18, column - 4, 17}, font, i == 0);
  }
  RelayTestButton = winui::CreateButton(box_, kRelayTestButton, L"テスト", Rect{256, 16, 75, 25}, font);
}

void RelayGroup::Load(const CButtonInfo& cell) {
  const CellCode code = cell.GetCode();
  // Shown in decimal: relay 10 is stored as 'A' and shows as 10.
  const auto number = RelayCharToNumber(code[1]);
  winui::SetText(RelayNumber, number ? std::to_wstring(*number) : L"");
  if (!number) {
    // A damaged or hand-edited table: the field stays empty rather than read as relay 0.
    storedNumberInvalid_ = true;
    HWND owner = GetWindow(form_, GW_OWNER);
    winui::ShowWarning(owner ? owner : form_, L"このボタンに記録されているリレー番号は正しくありません。\n"
                                              L"0から31の番号を入れてください。");
  }
  switch (RelayActionFromChar(code[3])) {
    case ::RelayAction::Toggle: SelectRelayAction(1); break;
    case ::RelayAction::HoldUntilClick: SelectRelayAction(2); break;
    default: SelectRelayAction(0); break;
  }
}

void RelayGroup::Reset() {
  SelectRelayAction(0);
  winui::SetText(RelayNumber, L"0");
}

std::wstring RelayGroup::Contents() const {
  return winui::GetText(RelayNumber) + L'\t' + std::to_wstring(RelayActionIndex());
}

bool RelayGroup::NumberEntered() const {
  if (!storedNumberInvalid_ || IsEnteredRelayNumber(NumberText(winui::GetText(RelayNumber)))) return true;
  winui::ShowWarning(form_, L"リレー番号を0から31の数字で入れてください。");
  return false;
}

void RelayGroup::OnCommand(int id, int code) {
  if (id == kRelayTestButton && code == BN_CLICKED) RelayTestButtonClick();
}

int RelayGroup::RelayActionIndex() const {
  for (size_t i = 0; i < RelayActionItems.size(); ++i) {
    if (Ticked(RelayActionItems[i])) return static_cast<int>(i);
  }
  return -1;
}

void RelayGroup::SelectRelayAction(int index) {
  for (size_t i = 0; i < RelayActionItems.size(); ++i) {
    SendMessageW(RelayActionItems[i], BM_SETCHECK, static_cast<int>(i) == index ? BST_CHECKED : BST_UNCHECKED, 0);
  }
}

bool RelayGroup::Register(CButtonInfo& cell) {
  if (!NumberEntered()) return false;
  const int number = devices::ParseRelayNumber(NumberText(winui::GetText(RelayNumber)));
  static constexpr ::RelayAction kActions[] = {::RelayAction::OneSecondOn, ::RelayAction::Toggle,
                                               ::RelayAction::HoldUntilClick};
  const int action = RelayActionIndex();
  const auto code = RelayCode(number, action < 0 ? ::RelayAction::Toggle : kActions[action]);
  if (!code) return false;
  cell.ReplaceCode(*code);
  return true;
}

void RelayGroup::RelayTestButtonClick() {
  if (!NumberEntered()) return;
  devices::RelayTestClick(form_, winui::GetText(RelayNumber), RelayActionIndex(), options_.RelayPort);
}

}  // namespace edit_command
