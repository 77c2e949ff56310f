#include "editor/PanelSwitchGroup.h"

#include "table/CommandCode.h"
#include "winui/Controls.h"
#include "winui/Gdi.h"
#include "winui/TextConv.h"

using namespace panel;

namespace edit_command {

namespace {

enum : int { kBox = kPanelIds, kPanelName, kPanelFileName };

// An auto-sized label keeps fitting its text.
void SetLabelText(HWND label, const std::wstring& text) {
  RECT size{0, 0, 0, 0};
  {
    winui::WindowDc dc(label);
    winui::ScopedSelectObject select(dc.Get(), reinterpret_cast<HGDIOBJ>(SendMessageW(label, WM_GETFONT, 0, 0)));
    DrawTextW(dc.Get(), text.c_str(), static_cast<int>(text.size()), &size, DT_CALCRECT | DT_NOPREFIX);
  }
  // Its parent, a group box, paints no background where a shrinking label
  // was: the label clears its old text itself before it shrinks.
  winui::SetText(label, L"");
  UpdateWindow(label);
  SetWindowPos(label, nullptr, 0, 0, size.right, size.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  winui::SetText(label, text);
}

}  // namespace

void PanelSwitchGroup::Create(HWND form, HFONT font) {
  using winui::Rect;
  form_ = form;
  box_ = winui::CreateGroupBox(form, kBox, L"パネル切替オプション", Rect{183, 8, 300, 65}, font);
  Label1 = winui::CreateLabel(box_, L"テーブルファイル識別子", 16, 19, font);
  PanelName = winui::CreateEdit(box_, kPanelName, L"", Rect{113, 16, 25, 21}, font, 1, winui::ImeMode::Off);
  PanelFileName = winui::CreateLabel(box_, L"", 40, 38, font, kPanelFileName);
}

void PanelSwitchGroup::Load(const CButtonInfo& cell) {
  winui::SetText(PanelName, winui::SjisToWide(std::string(1, cell.GetCode()[1])));
  UpdatePanelFileLabel();
}

void PanelSwitchGroup::Reset() {
  winui::SetText(PanelName, L"");
  UpdatePanelFileLabel();
}

void PanelSwitchGroup::OnCommand(int id, int code) {
  if (id == kPanelName && code == EN_CHANGE) UpdatePanelFileLabel();  // PanelNameChange
}

void PanelSwitchGroup::UpdatePanelFileLabel() {
  const std::wstring name = winui::GetText(PanelName);
  if (name.empty()) {
    colors_.Set(PanelFileName, RGB(255, 0, 0));
    SetLabelText(PanelFileName, L"パネル名の最後の１文字を入れてください");
  } else {
    colors_.Set(PanelFileName, RGB(0, 0, 0));
    SetLabelText(PanelFileName, L"機器操作" + name + L".tbl　に切り替える");
  }
}

std::wstring PanelSwitchGroup::Contents() const { return winui::GetText(PanelName); }

bool PanelSwitchGroup::Register(CButtonInfo& cell) {
  const std::wstring name = winui::GetText(PanelName);
  if (name.size() != 1 || name[0] >= 0x80) return false;
  const auto code = PanelSwitchCode(static_cast<char>(name[0]));
  if (!code) return false;
  cell.ReplaceCode(*code);
  return true;
}

}  // namespace edit_command
